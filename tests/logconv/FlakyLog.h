#pragma once
// A log on a medium that fails mid-read: a FUSE file system mounted over one file, serving the
// given bytes, whose reads from a given offset on fail with a given error number, as a card
// with a bad sector does or one pulled from its reader. Reads go to the file system directly,
// never through the page cache, so the failure comes exactly where it is asked for.

#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

struct fuse;

namespace vx::test {

class FlakyLog {
  public:
    // `file` must exist; it is covered by the mount until the object goes away.
    FlakyLog(const std::filesystem::path& file, std::string content, long failFrom, int error);
    ~FlakyLog();
    FlakyLog(const FlakyLog&) = delete;
    FlakyLog& operator=(const FlakyLog&) = delete;

    // Empty when mounted; else why not (no FUSE device, no permission to mount).
    const std::string& MountError() const { return mountError_; }
    // The reads the file system was asked for, and how many of them it failed.
    int Reads() const { return reads_; }
    int FailedReads() const { return failedReads_; }

    // Used by the file system's callbacks.
    int Read(char* buffer, std::size_t size, long offset);
    long Size() const { return static_cast<long>(content_.size()); }

  private:
    std::filesystem::path file_;
    std::string content_;
    long failFrom_;
    int error_;
    std::atomic<int> reads_ = 0; // counted on the file system's thread
    std::atomic<int> failedReads_ = 0;
    std::string mountError_;
    struct fuse* fuse_ = nullptr;
    std::thread loop_;
};

} // namespace vx::test
