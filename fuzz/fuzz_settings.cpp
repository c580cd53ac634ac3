// LoadToolSettings on an arbitrary settings file: a member either keeps the value in force or
// takes a value that one of the file's entries spells; saving and loading again gives the same
// members, and a second save changes nothing.

#include "FuzzSupport.h"
#include "settings/ToolSettings.h"

#include <array>
#include <cstdint>
#include <set>

namespace {

constexpr std::array<std::int32_t vx::ToolSettings::*, 7> kMembers = {
    &vx::ToolSettings::top,
    &vx::ToolSettings::left,
    &vx::ToolSettings::width,
    &vx::ToolSettings::height,
    &vx::ToolSettings::FirmwareVersion,
    &vx::ToolSettings::OptionInt,
    &vx::ToolSettings::english};

vx::ToolSettings Filled(std::int32_t value) {
    vx::ToolSettings s;
    for (auto m : kMembers)
        s.*m = value;
    return s;
}

std::string_view Trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// Every value that some "key=value" line of the text spells.
std::set<std::int32_t> SpelledValues(std::string_view text) {
    std::set<std::int32_t> values;
    while (!text.empty()) {
        std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
        std::size_t eq = line.find('=');
        if (eq == std::string_view::npos)
            continue;
        if (auto v = vx::ParseSettingValue(Trim(line.substr(eq + 1))))
            values.insert(*v);
    }
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vx;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    const auto path = fuzz::ScratchDir() / kToolSettingsFileName;
    fuzz::WriteWhole(path, text);

    ToolSettings a = Filled(-123456789);
    ToolSettings b = Filled(987654321);
    LoadToolSettings(a, path);
    LoadToolSettings(b, path);
    std::set<std::int32_t> spelled = SpelledValues(text);
    for (auto m : kMembers) {
        bool fromFile = a.*m != -123456789 || b.*m != 987654321;
        if (fromFile) {
            VX_FUZZ_CHECK(a.*m == b.*m); // the same entry, whatever was in force before
            VX_FUZZ_CHECK(spelled.count(a.*m) == 1);
        }
    }

    SaveToolSettings(a, path);
    ToolSettings reread = Filled(0);
    LoadToolSettings(reread, path);
    VX_FUZZ_CHECK(reread == a);
    std::string once = fuzz::ReadWhole(path);
    SaveToolSettings(a, path);
    VX_FUZZ_CHECK(fuzz::ReadWhole(path) == once);
    return 0;
}
