#include "IniText.h"

#include "fileio/AsciiCase.h"

namespace vx {

namespace {

std::string_view Trim(std::string_view s) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

} // namespace

IniText::IniText(std::string_view text) {
    while (!text.empty()) {
        std::size_t lf = text.find('\n');
        Line line;
        std::string_view body = text.substr(0, lf);
        if (lf == std::string_view::npos) {
            text = {};
        } else {
            text.remove_prefix(lf + 1);
            line.end = "\n";
            if (!body.empty() && body.back() == '\r') {
                body.remove_suffix(1);
                line.end = "\r\n";
                newline_ = "\r\n";
            }
        }
        line.text = std::string(body);
        lines_.push_back(std::move(line));
    }
}

IniText::Parsed IniText::Parse(std::string_view line) {
    std::string_view t = Trim(line);
    if (t.empty() || t.front() == ';' || t.front() == '#')
        return {};
    if (t.front() == '[') {
        std::string_view name = t.substr(1);
        name = name.substr(0, name.find(']')); // an unclosed header names the rest of its line
        return {Kind::Section, Trim(name), {}};
    }
    std::size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return {};
    return {Kind::Entry, Trim(t.substr(0, eq)), Trim(t.substr(eq + 1))};
}

IniText::Place IniText::Find(std::string_view section, std::string_view key) const {
    Place place;
    bool inSection = false;
    bool firstSectionDone = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        Parsed p = Parse(lines_[i].text);
        if (p.kind == Kind::Section) {
            if (inSection)
                firstSectionDone = true;
            inSection = EqualIgnoringAsciiCase(p.name, section);
            if (inSection && !firstSectionDone && !place.insertAt)
                place.insertAt = i + 1;
        } else if (inSection && p.kind == Kind::Entry) {
            if (EqualIgnoringAsciiCase(p.name, key)) {
                place.entry = i;
                return place;
            }
            if (!firstSectionDone)
                place.insertAt = i + 1;
        }
    }
    return place;
}

std::optional<std::string_view> IniText::Get(std::string_view section, std::string_view key) const {
    Place place = Find(section, key);
    if (!place.entry)
        return std::nullopt;
    return Parse(lines_[*place.entry].text).value;
}

void IniText::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string entry = std::string(key) + "=" + std::string(value);
    Place place = Find(section, key);
    if (place.entry) {
        lines_[*place.entry].text = entry;
        return;
    }
    if (!lines_.empty() && lines_.back().end.empty())
        lines_.back().end = newline_;
    if (place.insertAt) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*place.insertAt),
                      Line{entry, newline_});
        return;
    }
    if (!lines_.empty())
        lines_.push_back(Line{"", newline_});
    lines_.push_back(Line{"[" + std::string(section) + "]", newline_});
    lines_.push_back(Line{entry, newline_});
}

std::string IniText::Text() const {
    std::string out;
    for (const Line& line : lines_)
        out += line.text + line.end;
    return out;
}

} // namespace vx
