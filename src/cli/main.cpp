// volantrix-convert: converts device logs in bulk, with the same conversions as the main window.

#include "fileio/Failure.h"
#include "logconv/Conversions.h"
#include "logconv/NumberText.h"
#include "settings/ToolSettings.h"
#include "setup/Version.h"

#include <csignal>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Options {
    const vx::ConversionFormat* format = nullptr;
    std::optional<std::int32_t> firmwareVersion;
    std::vector<std::string> logs;
    bool help = false;
    bool version = false;
};

constexpr const char* kShortUsage = "Aufruf: volantrix-convert --to FORMAT [--firmware N] LOG...\n"
                                    "       volantrix-convert --help | --version\n";

std::string Usage() {
    std::string text =
        std::string(kShortUsage) +
        "\n"
        "Konvertiert Volantrix-Logs (VXL?????.CSV); jede Ausgabe landet neben ihrem Log.\n"
        "\n"
        "FORMAT:\n";
    for (const vx::ConversionFormat& format : vx::ConversionFormats()) {
        std::string id = format.id;
        id.resize(12, ' ');
        text += "  " + id + format.caption + "\n";
    }
    text += "\n"
            "--firmware N  FirmwareVersion für skyplotter (sonst aus VolantrixTool.ini, 0 ohne "
            "Datei)\n";
    return text;
}

// Returns an error text for a usage error, or nothing.
std::optional<std::string> ParseOptions(int argc, char** argv, Options& options) {
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            options.logs.emplace_back(arg);
            continue;
        }
        const std::size_t equals = arg.find('=');
        const std::string_view name = arg.substr(0, equals);
        std::string_view value;
        if (name == "--to" || name == "--firmware") {
            if (equals != std::string_view::npos) {
                value = arg.substr(equals + 1);
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                return "Option " + std::string(name) + " braucht einen Wert";
            }
        } else if (equals != std::string_view::npos) {
            return "Option " + std::string(name) + " nimmt keinen Wert";
        }
        if (name == "--") {
            optionsEnded = true;
        } else if (name == "--help" || name == "-h") {
            options.help = true;
        } else if (name == "--version") {
            options.version = true;
        } else if (name == "--to") {
            options.format = vx::FindConversion(value);
            if (!options.format)
                return "Unbekanntes FORMAT '" + std::string(value) + "'";
        } else if (name == "--firmware") {
            try {
                options.firmwareVersion = vx::ParseInt32(value);
            } catch (const vx::Failure& failure) {
                return failure.what();
            }
        } else {
            return "Unbekannte Option " + std::string(name);
        }
    }
    if (options.help || options.version)
        return std::nullopt;
    if (!options.format)
        return std::string("--to FORMAT fehlt");
    if (options.logs.empty())
        return std::string("Kein LOG angegeben");
    return std::nullopt;
}

std::int32_t FirmwareVersionFromSettings() {
    vx::ToolSettings settings;
    vx::LoadToolSettings(settings);
    return settings.FirmwareVersion;
}

} // namespace

int main(int argc, char** argv) {
    std::signal(SIGXFSZ, SIG_IGN); // a file-size limit then fails the write with its message

    Options options;
    if (const auto error = ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "volantrix-convert: %s\n%s", error->c_str(), kShortUsage);
        return 2;
    }
    if (options.help) {
        std::fputs(Usage().c_str(), stdout);
        return 0;
    }
    if (options.version) {
        std::puts(vx::kProgramVersion);
        return 0;
    }

    const std::int32_t firmwareVersion =
        options.firmwareVersion ? *options.firmwareVersion : FirmwareVersionFromSettings();
    int status = 0;
    for (const std::string& log : options.logs) {
        try {
            const vx::ConversionResult result =
                vx::RunConversion(*options.format, log, firmwareVersion);
            std::printf("%s\n", result.outputPath.c_str());
            std::fflush(stdout);
        } catch (const std::exception& failure) {
            std::fprintf(stderr, "%s: %s\n", log.c_str(), failure.what());
            status = 1;
        }
    }
    return status;
}
