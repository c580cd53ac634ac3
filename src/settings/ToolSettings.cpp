#include "ToolSettings.h"

#include "fileio/AtomicFile.h"
#include "fileio/Failure.h"

#include "IniText.h"

#include <array>
#include <charconv>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <limits>
#include <pwd.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace vx {

namespace {

struct Member {
    const char* key;
    std::int32_t ToolSettings::*value;
};

// The order in which the keys are read and in which a fresh file holds their sections.
constexpr std::array<Member, 7> kMembers = {{
    {"Top", &ToolSettings::top},
    {"Left", &ToolSettings::left},
    {"Width", &ToolSettings::width},
    {"Height", &ToolSettings::height},
    {"FW_Version", &ToolSettings::FirmwareVersion},
    {"OptionInt", &ToolSettings::OptionInt},
    {"english", &ToolSettings::english},
}};

std::string WriteFailureMessage() {
    return std::string("In ") + kToolSettingsFileName + " kann nicht geschrieben werden";
}

// Reads the whole file; nullopt when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad())
        return std::nullopt;
    return text;
}

bool IsDirectory(const std::filesystem::path& file) {
    struct stat st {};
    return ::stat(file.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

} // namespace

std::filesystem::path ToolSettingsPath() {
#ifdef _WIN32
    if (const char* appData = std::getenv("APPDATA"); appData && *appData)
        return std::filesystem::path(appData) / kToolSettingsFileName;
#endif
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config == '/')
        return std::filesystem::path(config) / kToolSettingsFileName;
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
        const passwd* pw = ::getpwuid(::getuid());
        home = pw && pw->pw_dir ? pw->pw_dir : "/";
    }
    return std::filesystem::path(home) / ".config" / kToolSettingsFileName;
}

std::optional<std::int32_t> ParseSettingValue(std::string_view text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    std::int64_t value = 0;
    std::from_chars_result result{};
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        first += 2;
        if (*first == '+' || *first == '-')
            return std::nullopt; // from_chars would take a sign; a hex value has none
        result = std::from_chars(first, last, value, 16);
    } else {
        if (first != last && *first == '+')
            ++first;
        if (first != last && *first == '+')
            return std::nullopt;
        result = std::from_chars(first, last, value, 10);
    }
    if (result.ec != std::errc() || result.ptr != last)
        return std::nullopt;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(value);
}

void LoadToolSettings(ToolSettings& settings) {
    LoadToolSettings(settings, ToolSettingsPath());
}

void LoadToolSettings(ToolSettings& settings, const std::filesystem::path& file) {
    if (IsDirectory(file))
        return;
    std::optional<std::string> text = ReadWholeFile(file);
    if (!text)
        return;
    IniText ini(*text);
    for (const Member& m : kMembers) {
        if (std::optional<std::string_view> value = ini.Get(m.key, m.key))
            if (std::optional<std::int32_t> parsed = ParseSettingValue(*value))
                settings.*m.value = *parsed;
    }
}

void SaveToolSettings(const ToolSettings& settings) {
    SaveToolSettings(settings, ToolSettingsPath());
}

void SaveToolSettings(const ToolSettings& settings, const std::filesystem::path& file) {
    std::string existing;
    std::error_code ec;
    if (std::filesystem::exists(file, ec)) {
        // Keep the entries we don't know; a file we cannot read is one we must not replace.
        std::optional<std::string> text = ReadWholeFile(file);
        if (!text)
            throw Failure(WriteFailureMessage());
        existing = std::move(*text);
    } else if (file.has_parent_path()) {
        std::filesystem::create_directories(file.parent_path(), ec);
    }
    IniText ini(existing);
    for (const Member& m : kMembers)
        ini.Set(m.key, m.key, std::to_string(settings.*m.value));
    try {
        WriteFileAtomically(file, ini.Text());
    } catch (const Failure&) {
        throw Failure(WriteFailureMessage());
    }
}

} // namespace vx
