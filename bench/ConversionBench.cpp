// Throughput and peak memory of the five conversions on a generated log, then once more on a
// log of about 1 GB, whose peak memory shows that the log is streamed.
// Usage: volantrix-bench [DATA_LINES [BIG_DATA_LINES]]
//        (defaults 1000000, about 81 MB, and 12000000, about 1 GB; 0 leaves the big log out)

#include "logconv/Conversions.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// A deterministic flight: the same log on every run, positions drifting around 48 N 8 E.
void WriteLog(const std::filesystem::path& path, long lines) {
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::perror(path.c_str());
        std::exit(1);
    }
    std::fputs("Volantrix Log;V0.394\r\n", file);
    std::uint32_t state = 20100612;
    auto next = [&state](std::uint32_t range) {
        state = state * 1664525u + 1013904223u;
        return static_cast<long>((state >> 8) % range);
    };
    long latitude = 48123456, longitude = 8123456, baro = 4500, gps = 780;
    for (long i = 0; i < lines; ++i) {
        latitude += next(201) - 100;
        longitude += next(201) - 100;
        baro += next(21) - 10;
        gps += next(5) - 2;
        std::fprintf(file,
                     "%02ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld;%ld\r\n",
                     i % 100, 10000 + next(90000), i + 1, next(61) - 30, baro, 1000 + next(9000),
                     next(100), next(100), 100 + next(900), next(10), longitude, latitude, gps,
                     next(120), 1000 + next(9000), 100 + next(900), 1000 + next(9000));
    }
    std::fclose(file);
}

struct Measurement {
    double seconds;
    long peakKilobytes;
    bool ok;
};

// Each conversion runs in a child of its own, so that its peak memory is its own.
Measurement Measure(const vx::ConversionFormat& format, const std::filesystem::path& log) {
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = ::fork();
    if (child == 0) {
        try {
            vx::RunConversion(format, log, 408);
            ::_exit(0);
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "%s: %s\n", format.id, failure.what());
            ::_exit(1);
        }
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {seconds, usage.ru_maxrss, WIFEXITED(status) && WEXITSTATUS(status) == 0};
}

// The peak memory a conversion may take, whatever the log's size.
constexpr long kPeakLimitKilobytes = 16 * 1024;

// Writes a log of `lines` data lines into `dir`, converts it `rounds` times with each conversion
// (the best time counts, against a noisy machine), prints a table, and removes log and outputs.
bool MeasureLog(const std::filesystem::path& dir, const char* title, long lines, int rounds) {
    const std::filesystem::path log = dir / "VXL00001.CSV";
    WriteLog(log, lines);
    const double megabytes = static_cast<double>(std::filesystem::file_size(log)) / 1e6;
    std::printf("%s: %ld data lines, %.1f MB\n", title, lines, megabytes);
    std::printf("%-12s %12s %10s %10s %12s\n", "conversion", "lines/s", "MB/s", "seconds",
                "peak KiB");
    bool allOk = true;
    for (const vx::ConversionFormat& format : vx::ConversionFormats()) {
        Measurement best{1e30, 0, true};
        for (int round = 0; round < rounds; ++round) {
            const Measurement m = Measure(format, log);
            best.ok = best.ok && m.ok;
            best.seconds = std::min(best.seconds, m.seconds);
            best.peakKilobytes = std::max(best.peakKilobytes, m.peakKilobytes);
        }
        const bool withinLimit = best.peakKilobytes < kPeakLimitKilobytes;
        allOk = allOk && best.ok && withinLimit;
        std::printf("%-12s %12.0f %10.1f %10.3f %12ld%s\n", format.id,
                    static_cast<double>(lines) / best.seconds, megabytes / best.seconds,
                    best.seconds, best.peakKilobytes, withinLimit ? "" : "  over 16 MB");
        std::fflush(stdout);
    }
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        std::filesystem::remove(entry.path());
    return allOk;
}

} // namespace

int main(int argc, char** argv) {
    const long lines = argc > 1 ? std::atol(argv[1]) : 1000000;
    const long bigLines = argc > 2 ? std::atol(argv[2]) : 12000000;
    char pattern[] = "/tmp/volantrix-bench-XXXXXX";
    if (!::mkdtemp(pattern)) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::filesystem::path dir = pattern;
    bool allOk = MeasureLog(dir, "log", lines, 3);
    if (bigLines > 0) {
        std::printf("\n");
        allOk = MeasureLog(dir, "big log", bigLines, 1) && allOk;
    }
    std::filesystem::remove_all(dir);
    return allOk ? 0 : 1;
}
