#pragma once
// Test helpers shared by the core tests: a temporary folder per test, whole-file I/O, and a
// child process that runs a function under a file-size limit.

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vx::test {

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }
    // Names of the entries in the folder, sorted.
    std::string Listing() const;

  private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);
void WriteFile(const std::filesystem::path& path, std::string_view bytes);

// Runs `body` in a forked child whose files may not grow beyond `limitBytes` (SIGXFSZ ignored, so
// writes fail with EFBIG). The child's result travels back as text: what `body` returns.
std::string RunWithFileSizeLimit(long limitBytes, const std::function<std::string()>& body);

} // namespace vx::test
