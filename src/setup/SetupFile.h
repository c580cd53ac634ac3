#pragma once
// "VOLANTRI.HEX": the 20 record bytes, raw, byte 0 first; no header, no line end.

#include "setup/SetupRecord.h"

#include <filesystem>

namespace vx {

inline constexpr const char* kSetupFileName = "VOLANTRI.HEX";

// Reads at most 20 bytes of the file into the leading bytes of `record` and returns how many
// (0 to 20). A file or read error throws vx::Failure and leaves the record unchanged.
int ReadSetupFile(const std::filesystem::path& path, SetupRecord& record);

// Writes the 20 bytes; an existing file is replaced only once the new one is complete.
void WriteSetupFile(const std::filesystem::path& path, const SetupRecord& record);

} // namespace vx
