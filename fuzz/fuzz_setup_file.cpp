// ReadSetupFile on arbitrary bytes: it takes exactly the leading bytes (at most 20), leaves the
// rest of the record alone, and what it read saves and reads back unchanged.

#include "FuzzSupport.h"
#include "setup/SetupFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vx;
    const auto path = fuzz::ScratchDir() / "VOLANTRI.HEX";
    fuzz::WriteWhole(path, std::string_view(reinterpret_cast<const char*>(data), size));

    SetupRecord record;
    for (std::size_t i = 0; i < kSetupRecordSize; ++i)
        SetupByte(record, i) = static_cast<std::uint8_t>(0xA5 ^ i);
    const SetupRecord before = record;

    int count = ReadSetupFile(path, record);
    VX_FUZZ_CHECK(count == static_cast<int>(size < kSetupRecordSize ? size : kSetupRecordSize));
    for (std::size_t i = 0; i < kSetupRecordSize; ++i)
        VX_FUZZ_CHECK(SetupByte(record, i) ==
                      (static_cast<int>(i) < count ? data[i] : SetupByte(before, i)));

    WriteSetupFile(path, record);
    VX_FUZZ_CHECK(fuzz::ReadWhole(path).size() == kSetupRecordSize);
    SetupRecord reread;
    VX_FUZZ_CHECK(ReadSetupFile(path, reread) == 20);
    VX_FUZZ_CHECK(reread == record);
    return 0;
}
