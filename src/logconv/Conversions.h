#pragma once
// The five conversions of a log, in the order of the main window's menu. The menu, the batch
// converter's --to and its help text all read this one table.

#include "logconv/Gpx.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vx {

struct ConversionResult {
    std::string outputName;                // bare name, as the completion message shows it
    std::filesystem::path outputPath;      // beside the log
    std::optional<LocalDateTime> baseTime; // GPX only: the log's time for the message
};

struct ConversionFormat {
    const char* id;           // the batch converter's --to value
    const char* menuItemName; // the main window's menu item
    const char* caption;      // the menu caption, UTF-8
    ConversionResult (*run)(const std::filesystem::path& log, std::int32_t firmwareVersion);
};

std::span<const ConversionFormat> ConversionFormats();
const ConversionFormat* FindConversion(std::string_view id);

// `firmwareVersion` matters to the Skyplotter conversion only.
ConversionResult RunConversion(const ConversionFormat& format, const std::filesystem::path& log,
                               std::int32_t firmwareVersion);

// "Fertig mit Konvertierung nach:", a CR, the output's name. The window adds the GPX date itself.
std::string CompletionMessage(std::string_view outputName);

} // namespace vx
