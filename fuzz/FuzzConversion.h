#pragma once
// Runs one conversion of an arbitrary log in the scratch folder and checks what every
// conversion promises: it either succeeds and leaves exactly the log and its output, or fails
// with a German message and leaves the log alone, with no output and no temporary file.

#include "FuzzSupport.h"
#include "LogModel.h"
#include "fileio/Failure.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>

namespace vx::fuzz {

// What the model says a conversion gives: its output, or the message it stops with.
struct Expected {
    std::optional<std::string> failure;
    std::string output;
};

inline constexpr const char* kLogName = "VXL00001.CSV";

// Writes the log into an emptied scratch folder and runs `convert` on it; returns the output
// written, or nothing after a failure, whose message must be `expected.failure`.
template <typename Convert>
std::optional<std::string> RunConversion(std::string_view log, const std::string& outputName,
                                         const Expected& expected, Convert convert) {
    const std::filesystem::path& dir = ScratchDir();
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        std::filesystem::remove_all(entry.path());
    const std::filesystem::path logPath = dir / kLogName;
    WriteWhole(logPath, log);

    std::optional<std::string> message;
    try {
        VX_FUZZ_CHECK(convert(logPath) == outputName);
    } catch (const Failure& failure) {
        message = failure.what();
    }
    VX_FUZZ_CHECK(ReadWhole(logPath) == log);
    std::optional<std::string> wanted = expected.failure;
    if (wanted)
        wanted->resize(std::min(wanted->size(), wanted->find('\0'))); // what() ends at a NUL
    if (message) {
        if (wanted != message)
            std::fprintf(stderr, "message: %s\nexpected: %s\n", message->c_str(),
                         wanted ? wanted->c_str() : "(success)");
        VX_FUZZ_CHECK(wanted == message);
        VX_FUZZ_CHECK(ListingOf(dir) == kLogName); // no output, no temporary file
        return std::nullopt;
    }
    VX_FUZZ_CHECK(!expected.failure);
    const std::string listing = outputName < kLogName ? outputName + " " + kLogName
                                                      : std::string(kLogName) + " " + outputName;
    VX_FUZZ_CHECK(ListingOf(dir) == listing);
    std::string output = ReadWhole(dir / outputName);
    if (output != expected.output) {
        std::size_t at = 0;
        while (at < output.size() && at < expected.output.size() &&
               output[at] == expected.output[at])
            ++at;
        std::fprintf(stderr, "output differs at byte %zu:\n  got:      %.60s\n  expected: %.60s\n",
                     at, output.c_str() + at, expected.output.c_str() + at);
    }
    VX_FUZZ_CHECK(output == expected.output);
    return output;
}

// Lines of a text that ends every line with CR LF; false when some line ends otherwise.
inline bool SplitCrLfLines(std::string_view text, std::vector<std::string_view>& lines) {
    lines.clear();
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos)
            return false;
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    return true;
}

} // namespace vx::fuzz
