#include "logconv/LogReader.h"

#include "fileio/Failure.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vx {

namespace {

constexpr char kEndOfInput = 0x1A;

// Drops every CR from [begin, end) in place; returns the new end.
char* DropCarriageReturns(char* begin, char* end) {
    char* cr = static_cast<char*>(std::memchr(begin, '\r', static_cast<std::size_t>(end - begin)));
    if (!cr)
        return end;
    return std::remove(cr, end, '\r');
}

} // namespace

LogReader::LogReader(const std::filesystem::path& log) : buffer_(new char[kBufferSize]) {
    fd_ = ::open(log.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd_ < 0)
        ThrowIoError(errno);
    try {
        Fill(); // a folder or an unreadable file fails here, before any output exists
    } catch (...) {
        ::close(fd_);
        throw;
    }
}

LogReader::~LogReader() {
    ::close(fd_);
}

std::time_t LogReader::ModificationTime() const {
    struct stat info {};
    if (::fstat(fd_, &info) != 0)
        ThrowIoError(errno);
    return info.st_mtime;
}

bool LogReader::Fill() {
    if (endOfFile_)
        return false;
    if (begin_ > 0) {
        std::memmove(buffer_.get(), buffer_.get() + begin_, end_ - begin_);
        end_ -= begin_;
        begin_ = 0;
    }
    for (;;) {
        const ssize_t n = ::read(fd_, buffer_.get() + end_, kBufferSize - end_);
        if (n > 0) {
            end_ += static_cast<std::size_t>(n);
            return true;
        }
        if (n == 0) {
            endOfFile_ = true;
            return false;
        }
        if (errno != EINTR)
            ThrowIoError(errno);
    }
}

bool LogReader::Finish(char* begin, char* end, std::string_view& line) {
    if (begin != end && *begin == kEndOfInput) {
        ended_ = true;
        return false;
    }
    end = DropCarriageReturns(begin, end);
    line = std::string_view(begin, static_cast<std::size_t>(end - begin));
    return true;
}

bool LogReader::NextLine(std::string_view& line) {
    if (ended_)
        return false;
    spill_.clear();
    std::size_t searched = begin_;
    for (;;) {
        char* base = buffer_.get();
        auto* lf = static_cast<char*>(std::memchr(base + searched, '\n', end_ - searched));
        if (lf) {
            char* lineBegin = base + begin_;
            begin_ = static_cast<std::size_t>(lf - base) + 1;
            if (spill_.empty())
                return Finish(lineBegin, lf, line);
            spill_.append(lineBegin, lf);
            return Finish(spill_.data(), spill_.data() + spill_.size(), line);
        }
        if (end_ - begin_ == kBufferSize) {
            // The line outgrew the buffer: keep what we have and read on.
            spill_.append(base + begin_, end_ - begin_);
            begin_ = end_ = 0;
        }
        searched = end_ - begin_;
        if (!Fill()) {
            ended_ = true;
            spill_.append(buffer_.get() + begin_, end_ - begin_);
            begin_ = end_;
            if (spill_.empty())
                return false;
            return Finish(spill_.data(), spill_.data() + spill_.size(), line); // no line end
        }
    }
}

} // namespace vx
