#include "SetupFile.h"

#include "fileio/AtomicFile.h"
#include "fileio/Failure.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace vx {

int ReadSetupFile(const std::filesystem::path& path, SetupRecord& record) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        ThrowIoError(errno);
    SetupBytes buffer{};
    std::size_t count = 0;
    while (count < kSetupRecordSize) {
        ssize_t n = ::read(fd, buffer.data() + count, kSetupRecordSize - count);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            int err = errno;
            ::close(fd);
            ThrowIoError(err);
        }
        if (n == 0)
            break;
        count += static_cast<std::size_t>(n);
    }
    ::close(fd);
    // Every byte value is data, 0x1A included; only the bytes read replace record bytes.
    for (std::size_t i = 0; i < count; ++i)
        SetupByte(record, i) = buffer[i];
    return static_cast<int>(count);
}

void WriteSetupFile(const std::filesystem::path& path, const SetupRecord& record) {
    SetupBytes bytes = ToBytes(record);
    WriteFileAtomically(
        path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

} // namespace vx
