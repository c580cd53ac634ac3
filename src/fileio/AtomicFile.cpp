#include "AtomicFile.h"

#include "Failure.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vx {

namespace {

mode_t CurrentUmask() {
    mode_t mask = ::umask(0);
    ::umask(mask);
    return mask;
}

} // namespace

AtomicFile::AtomicFile(const std::filesystem::path& target)
    : target_(target), buffer_(new char[kBufferSize]) {
    std::string pattern = target.string() + ".XXXXXX";
    fd_ = ::mkstemp(pattern.data());
    if (fd_ < 0) {
        int err = errno;
        delete[] buffer_;
        ThrowIoError(err);
    }
    temp_ = pattern;
    // mkstemp creates 0600; give the file the mode the target has, or a new file would get.
    struct stat existing {};
    mode_t mode = (::stat(target.c_str(), &existing) == 0 && S_ISREG(existing.st_mode))
                      ? (existing.st_mode & 07777)
                      : (0666 & ~CurrentUmask());
    (void)::fchmod(fd_, mode);
}

AtomicFile::~AtomicFile() {
    if (fd_ >= 0)
        ::close(fd_);
    if (!committed_)
        ::unlink(temp_.c_str());
    delete[] buffer_;
}

void AtomicFile::WriteAll(const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t n = ::write(fd_, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            ThrowIoError(errno);
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
}

void AtomicFile::Flush() {
    std::size_t size = used_;
    used_ = 0;
    WriteAll(buffer_, size);
}

void AtomicFile::WriteSlow(std::string_view bytes) {
    Flush();
    if (bytes.size() >= kBufferSize) {
        WriteAll(bytes.data(), bytes.size());
    } else {
        bytes.copy(buffer_, bytes.size());
        used_ = bytes.size();
    }
}

void AtomicFile::Commit() {
    Flush();
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS)
        ThrowIoError(errno);
    int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        ThrowIoError(errno);
    if (::rename(temp_.c_str(), target_.c_str()) != 0)
        ThrowIoError(errno);
    committed_ = true;
}

void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes) {
    AtomicFile file(target);
    file.Write(bytes);
    file.Commit();
}

} // namespace vx
