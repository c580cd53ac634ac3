#pragma once
// The text of a settings file as lines, read and changed in place: section and key names match
// without regard to ASCII case, and every line the program does not change stays byte for byte.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vx {

class IniText {
  public:
    explicit IniText(std::string_view text);

    // The trimmed value of the first entry `key` in a section `section`.
    std::optional<std::string_view> Get(std::string_view section, std::string_view key) const;

    // Replaces the first such entry's line, or adds the entry to the first section of that name,
    // or appends the section.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

  private:
    struct Line {
        std::string text; // without its line end
        std::string end;  // "\n", "\r\n" or "" for a last line without one
    };
    enum class Kind { Other, Section, Entry };
    struct Parsed {
        Kind kind = Kind::Other;
        std::string_view name;  // the section's name or the entry's key, trimmed
        std::string_view value; // the entry's value, trimmed
    };
    static Parsed Parse(std::string_view line);
    // Index of the entry line, and of the line after the section's last entry (or header).
    struct Place {
        std::optional<std::size_t> entry;
        std::optional<std::size_t> insertAt;
    };
    Place Find(std::string_view section, std::string_view key) const;

    std::vector<Line> lines_;
    std::string newline_ = "\n";
};

} // namespace vx
