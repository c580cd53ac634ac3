#pragma once
// Reads a device log line by line through one fixed buffer. LF ends a line, every CR is dropped,
// a 0x1A at the start of a line ends the input, and a line of any length is read whole.

#include <cstddef>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

namespace vx {

class LogReader {
  public:
    // Opens the log and reads its first block; throws vx::Failure (ThrowIoError) on failure.
    explicit LogReader(const std::filesystem::path& log);
    ~LogReader();
    LogReader(const LogReader&) = delete;
    LogReader& operator=(const LogReader&) = delete;

    // The next line's text, valid until the next call; false at the end of the input.
    bool NextLine(std::string_view& line);

    // The log's last modification time.
    std::time_t ModificationTime() const;

    static constexpr std::size_t kBufferSize = 64 * 1024;

  private:
    bool Fill(); // reads more after the unread bytes; false at the end of the file
    bool Finish(char* begin, char* end, std::string_view& line);

    int fd_ = -1;
    std::unique_ptr<char[]> buffer_;
    std::size_t begin_ = 0; // first unread byte
    std::size_t end_ = 0;   // end of the bytes read
    bool endOfFile_ = false;
    bool ended_ = false;
    std::string spill_; // a line that outgrew the buffer
};

} // namespace vx
