#pragma once
// The flight as a GPX 1.1 track: one track, one segment, one point per sample with a position.

#include <cstdint>
#include <filesystem>
#include <string>

namespace vx {

// A local calendar date and time, without zone or daylight saving.
struct LocalDateTime {
    int year, month, day, hour, minute, second;
    friend bool operator==(const LocalDateTime&, const LocalDateTime&) = default;
};

struct GpxResult {
    std::string outputName;
    LocalDateTime baseTime; // the log's modification time, to two seconds
};

// `time` plus `seconds` as plain elapsed time on the calendar.
LocalDateTime AddElapsedSeconds(const LocalDateTime& time, std::int64_t seconds);

// Writes "<log name>.GPX" beside the log. Point times count from the log's modification time.
GpxResult ExportGpx(const std::filesystem::path& log);
// The same with a given base time.
GpxResult ExportGpx(const std::filesystem::path& log, const LocalDateTime& baseTime);

} // namespace vx
