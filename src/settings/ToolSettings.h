#pragma once
// The tool's own settings in "VolantrixTool.ini": the main window's geometry and three choices,
// each key in a section of its own name.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string_view>

namespace vx {

inline constexpr const char* kToolSettingsFileName = "VolantrixTool.ini";

struct ToolSettings {
    // The main window's outer geometry; these defaults are the window's own before any file.
    std::int32_t top = 55;
    std::int32_t left = 945;
    std::int32_t width = 868;
    std::int32_t height = 852;
    std::int32_t FirmwareVersion = 0; // 1 after the firmware command
    std::int32_t OptionInt = 0;       // kept for the file's sake; the firmware command sets 0
    std::int32_t english = 0;         // language choice; all texts stay German regardless
    friend bool operator==(const ToolSettings&, const ToolSettings&) = default;
};

// "$XDG_CONFIG_HOME/VolantrixTool.ini", else "~/.config/VolantrixTool.ini" (on Windows
// "%APPDATA%\VolantrixTool.ini"): one file for every program of the user.
std::filesystem::path ToolSettingsPath();

// Updates `settings` from the file; a missing file, key or bad value keeps the value in force.
void LoadToolSettings(ToolSettings& settings);
void LoadToolSettings(ToolSettings& settings, const std::filesystem::path& file);

// Writes all seven members, keeping every other section and entry of the file. Throws
// vx::Failure("In VolantrixTool.ini kann nicht geschrieben werden") and leaves the file as it
// was when it cannot be written.
void SaveToolSettings(const ToolSettings& settings);
void SaveToolSettings(const ToolSettings& settings, const std::filesystem::path& file);

// A value as the file holds it: "0x"/"0X" and hexadecimal digits, or a decimal 32-bit number.
std::optional<std::int32_t> ParseSettingValue(std::string_view text);

} // namespace vx
