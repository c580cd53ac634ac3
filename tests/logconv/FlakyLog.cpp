#define FUSE_USE_VERSION 31
#include "FlakyLog.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fuse.h>
#include <sys/mount.h>
#include <sys/stat.h>

namespace vx::test {

namespace {

FlakyLog& Self() {
    return *static_cast<FlakyLog*>(fuse_get_context()->private_data);
}

void* Init(fuse_conn_info*, fuse_config* config) {
    config->direct_io = 1; // every read reaches Read(), none is served from the cache
    config->attr_timeout = 0;
    return fuse_get_context()->private_data;
}

int GetAttr(const char* path, struct stat* st, fuse_file_info*) {
    if (std::strcmp(path, "/") != 0)
        return -ENOENT;
    *st = {};
    st->st_mode = S_IFREG | 0644;
    st->st_nlink = 1;
    st->st_size = Self().Size();
    st->st_mtime = 1276352530; // 12 June 2010
    return 0;
}

int Open(const char*, fuse_file_info* info) {
    info->direct_io = 1;
    return (info->flags & O_ACCMODE) == O_RDONLY ? 0 : -EACCES;
}

int ReadFile(const char*, char* buffer, size_t size, off_t offset, fuse_file_info*) {
    return Self().Read(buffer, size, static_cast<long>(offset));
}

const fuse_operations kOperations = [] {
    fuse_operations ops{};
    ops.init = Init;
    ops.getattr = GetAttr;
    ops.open = Open;
    ops.read = ReadFile;
    return ops;
}();

} // namespace

FlakyLog::FlakyLog(const std::filesystem::path& file, std::string content, long failFrom, int error)
    : file_(file), content_(std::move(content)), failFrom_(failFrom), error_(error) {
    if (::access("/dev/fuse", R_OK | W_OK) != 0) {
        mountError_ = "no /dev/fuse: " + std::string(std::strerror(errno));
        return;
    }
    char name[] = "flakylog";
    char* argv[] = {name, nullptr};
    fuse_args args = FUSE_ARGS_INIT(1, argv);
    fuse_ = fuse_new(&args, &kOperations, sizeof kOperations, this);
    fuse_opt_free_args(&args);
    if (!fuse_ || fuse_mount(fuse_, file_.c_str()) != 0) {
        mountError_ = "cannot mount a FUSE file system over " + file_.string();
        if (fuse_)
            fuse_destroy(fuse_);
        fuse_ = nullptr;
        return;
    }
    loop_ = std::thread([this] { fuse_loop(fuse_); });
}

FlakyLog::~FlakyLog() {
    if (!fuse_)
        return;
    // Unmounting ends the connection, and with it the loop; then the session can go.
    ::umount2(file_.c_str(), MNT_DETACH);
    loop_.join();
    fuse_unmount(fuse_); // finds the connection gone; releases what mounting kept
    fuse_destroy(fuse_);
}

int FlakyLog::Read(char* buffer, std::size_t size, long offset) {
    ++reads_;
    if (offset + static_cast<long>(size) > failFrom_ && offset < Size()) {
        ++failedReads_;
        return -error_;
    }
    if (offset >= Size())
        return 0;
    const std::size_t n = std::min(size, content_.size() - static_cast<std::size_t>(offset));
    std::memcpy(buffer, content_.data() + offset, n);
    return static_cast<int>(n);
}

} // namespace vx::test
