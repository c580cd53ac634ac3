#pragma once
// Writing a file so that a failure never destroys what was there: the bytes go to a temporary
// file in the target's folder, which replaces the target only once it is complete.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

namespace vx {

class AtomicFile {
  public:
    // Creates the temporary file beside `target`; throws Failure on error.
    explicit AtomicFile(const std::filesystem::path& target);
    ~AtomicFile(); // removes the temporary file unless Commit() succeeded
    AtomicFile(const AtomicFile&) = delete;
    AtomicFile& operator=(const AtomicFile&) = delete;

    void Write(std::string_view bytes) {
        if (bytes.size() <= kBufferSize - used_) {
            bytes.copy(buffer_ + used_, bytes.size());
            used_ += bytes.size();
        } else {
            WriteSlow(bytes);
        }
    }
    void Put(char c) {
        if (used_ == kBufferSize)
            Flush();
        buffer_[used_++] = c;
    }

    // Writes out the rest, syncs, and renames the temporary file over the target.
    void Commit();

  private:
    static constexpr std::size_t kBufferSize = 64 * 1024;
    void WriteSlow(std::string_view bytes);
    void Flush();
    void WriteAll(const char* data, std::size_t size);

    std::filesystem::path target_;
    std::filesystem::path temp_;
    int fd_ = -1;
    bool committed_ = false;
    std::size_t used_ = 0;
    char* buffer_;
};

// The whole content at once, atomically.
void WriteFileAtomically(const std::filesystem::path& target, std::string_view bytes);

} // namespace vx
