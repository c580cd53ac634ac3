#include "fileio/AtomicFile.h"
#include "fileio/Failure.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace vx {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(AtomicFile, ReplacesTheTargetOnlyOnCommit) {
    TempDir dir;
    WriteFile(dir / "out.txt", "old");
    {
        AtomicFile file(dir / "out.txt");
        file.Write("new ");
        file.Put('!');
        EXPECT_EQ(ReadFile(dir / "out.txt"), "old"); // nothing visible before the commit
        file.Commit();
    }
    EXPECT_EQ(ReadFile(dir / "out.txt"), "new !");
    EXPECT_EQ(dir.Listing(), "out.txt");
}

TEST(AtomicFile, AbandonedWriteLeavesTargetAndNoTemporaryFile) {
    TempDir dir;
    WriteFile(dir / "out.txt", "old");
    {
        AtomicFile file(dir / "out.txt");
        file.Write(std::string(200000, 'x')); // larger than the buffer: reaches the disk
    }
    EXPECT_EQ(ReadFile(dir / "out.txt"), "old");
    EXPECT_EQ(dir.Listing(), "out.txt");
}

TEST(AtomicFile, KeepsLargeWritesInOrder) {
    TempDir dir;
    std::string expected;
    {
        AtomicFile file(dir / "big");
        for (int i = 0; i < 5000; ++i) {
            std::string chunk = std::to_string(i) + std::string(static_cast<size_t>(i % 97), 'a');
            file.Write(chunk);
            expected += chunk;
        }
        file.Write(std::string(70000, 'z'));
        expected += std::string(70000, 'z');
        file.Commit();
    }
    EXPECT_EQ(ReadFile(dir / "big"), expected);
}

TEST(AtomicFile, KeepsTheModeOfTheFileItReplaces) {
    TempDir dir;
    WriteFile(dir / "out.txt", "old");
    ::chmod((dir / "out.txt").c_str(), 0640);
    WriteFileAtomically(dir / "out.txt", "new");
    struct stat st {};
    ASSERT_EQ(::stat((dir / "out.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(AtomicFile, FailuresCarryTheSystemsMessage) {
    TempDir dir;
    WriteFile(dir / "file", "x");
    try {
        WriteFileAtomically(dir / "file" / "out.txt", "y"); // a path through a regular file
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_STREQ(f.what(), "E/A-Fehler 20");
    }
    try {
        WriteFileAtomically(dir / "missing" / "out.txt", "y");
        FAIL() << "no failure";
    } catch (const Failure& f) {
        EXPECT_STREQ(f.what(), "Datei nicht gefunden");
    }
}

TEST(AtomicFile, FullDiskKeepsTheOldFile) {
    TempDir dir;
    WriteFile(dir / "out.txt", "old content");
    std::string result = test::RunWithFileSizeLimit(1000, [&] {
        try {
            WriteFileAtomically(dir / "out.txt", std::string(5000, 'n'));
            return std::string("written");
        } catch (const Failure& f) {
            return std::string(f.what());
        }
    });
    EXPECT_EQ(result, "E/A-Fehler 27"); // EFBIG
    EXPECT_EQ(ReadFile(dir / "out.txt"), "old content");
    EXPECT_EQ(dir.Listing(), "out.txt");
}

} // namespace
} // namespace vx
