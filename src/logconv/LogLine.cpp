#include "logconv/LogLine.h"

#include <algorithm>

namespace vx {

namespace {

bool IsBlank(char c) {
    const auto code = static_cast<unsigned char>(c);
    return code >= 1 && code <= 32;
}

std::size_t SkipBlanks(std::string_view text, std::size_t i) {
    while (i < text.size() && IsBlank(text[i]))
        ++i;
    return i;
}

// The quoted field starting at `i` (its opening quotation mark); sets `i` past the closing one.
// Without a closing quotation mark the field runs to the end of the line.
std::string_view QuotedField(std::string_view text, std::size_t& i, std::string& unquoted) {
    const std::size_t start = ++i;
    std::size_t close = text.find('"', start);
    if (close == std::string_view::npos || close + 1 >= text.size() || text[close + 1] != '"') {
        // The common case: no doubled quotation mark, so the field is a view into the line.
        i = close == std::string_view::npos ? text.size() : close + 1;
        return text.substr(start, (close == std::string_view::npos ? text.size() : close) - start);
    }
    const std::size_t first = unquoted.size();
    std::size_t from = start;
    for (;;) {
        if (close == std::string_view::npos) {
            unquoted.append(text.substr(from));
            i = text.size();
            break;
        }
        unquoted.append(text.substr(from, close - from));
        if (close + 1 < text.size() && text[close + 1] == '"') {
            unquoted.push_back('"');
            from = close + 2;
            close = text.find('"', from);
            continue;
        }
        i = close + 1;
        break;
    }
    return std::string_view(unquoted).substr(first);
}

} // namespace

bool IsLogDataLine(std::string_view line) {
    return std::count(line.begin(), line.end(), ';') == 16;
}

void SplitLogLine(std::string_view line, LogRecord& out) {
    out.fields.clear();
    out.unquoted.clear();
    out.unquoted.reserve(line.size()); // views into it must survive every append below
    std::size_t i = SkipBlanks(line, 0);
    while (i < line.size()) {
        if (line[i] == '"') {
            out.fields.push_back(QuotedField(line, i, out.unquoted));
        } else {
            const std::size_t start = i;
            while (i < line.size() && line[i] != ';' && !IsBlank(line[i]))
                ++i;
            out.fields.push_back(line.substr(start, i - start));
        }
        i = SkipBlanks(line, i);
        if (i < line.size() && line[i] == ';') {
            if (i + 1 == line.size())
                out.fields.emplace_back();
            i = SkipBlanks(line, i + 1);
        }
    }
}

} // namespace vx
