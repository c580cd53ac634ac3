#include "addresses/AddressRecord.h"

#include "fileio/Failure.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

TEST(AddressFile, DefaultsGiveElevenDistinctAddresses) {
    TempDir dir;
    AddressRecord r;
    r.bytes.fill(0xEE);
    ApplyAddressDefaults(r);
    WriteAddressFile(dir / kAddressFileName, r);
    EXPECT_EQ(ReadFile(dir / "ADRESSEN.HEX"),
              std::string("\x00\x01\x02\x03\x04\x05\x06\x07\x08\x09\x0A", 11));
}

TEST(AddressFile, WritesAnyValueUnchecked) {
    TempDir dir;
    AddressRecord r;
    ApplyAddressDefaults(r);
    r.bytes[10] = 100;
    r.bytes[0] = 15;
    WriteAddressFile(dir / kAddressFileName, r);
    std::string file = ReadFile(dir / kAddressFileName);
    ASSERT_EQ(file.size(), 11u);
    EXPECT_EQ(file[0], '\x0F');
    EXPECT_EQ(file[10], '\x64');
}

TEST(AddressFile, FailedSaveKeepsTheExistingFile) {
    TempDir dir;
    WriteFile(dir / kAddressFileName, "previous");
    AddressRecord r;
    ApplyAddressDefaults(r);
    std::string result = test::RunWithFileSizeLimit(5, [&] {
        try {
            WriteAddressFile(dir / kAddressFileName, r);
        } catch (const Failure& f) {
            return std::string(f.what());
        }
        return std::string("written");
    });
    EXPECT_EQ(result, "E/A-Fehler 27");
    EXPECT_EQ(ReadFile(dir / kAddressFileName), "previous");
    EXPECT_EQ(dir.Listing(), "ADRESSEN.HEX");
}

} // namespace
} // namespace vx
