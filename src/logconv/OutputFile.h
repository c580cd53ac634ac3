#pragma once
// Where a conversion's output goes: beside its log, under a name derived from the log's name.

#include <filesystem>
#include <string>
#include <string_view>

namespace vx {

// The part of the path after its last folder separator.
std::string BareName(const std::filesystem::path& log);

// Replaces the text from the last '.' on by `extension`; a name without '.' gets it appended.
std::string ReplaceExtension(std::string_view bareName, std::string_view extension);

// The output's path in the log's folder. Throws vx::Failure("'NAME' ist die Log-Datei selbst
// und wird nicht überschrieben") when the name is the log's own, also in another letter case
// (memory cards ignore case) or through another link to the same file.
std::filesystem::path OutputPathBeside(const std::filesystem::path& log,
                                       const std::string& outputName);

} // namespace vx
