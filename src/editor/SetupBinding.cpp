#include "SetupBinding.h"

#include <cstdlib>

namespace vx::binding {

namespace {

// Tenths are exact for every factor used here, so no floating point can leak "-0" or "4,70001".
std::string DecimalText(int tenths, std::string_view decimalPoint) {
    if (tenths == 0)
        return "0";
    std::string text = tenths < 0 ? "-" : "";
    int magnitude = std::abs(tenths);
    text += std::to_string(magnitude / 10);
    if (magnitude % 10 != 0) {
        text += decimalPoint;
        text += std::to_string(magnitude % 10);
    }
    return text;
}

} // namespace

std::string ValueText(int value, Scale scale, std::string_view decimalPoint) {
    switch (scale) {
    case Scale::Whole:
        return std::to_string(value);
    case Scale::Tenths:
        return DecimalText(value, decimalPoint);
    case Scale::NegativeTenths:
        return DecimalText(-value, decimalPoint);
    case Scale::Halves:
        return DecimalText(5 * value, decimalPoint);
    }
    return {};
}

std::uint8_t LowByte(int value) {
    return static_cast<std::uint8_t>(value & 0xFF);
}

bool IsNoIntegralVarioAnnouncement(std::uint8_t value) {
    return value == 0 || value == kNoIntegralVarioAnnouncement;
}

int WarningLevel(std::uint8_t optionFlags) {
    return optionFlags & 7;
}

bool HasSerialOutput(std::uint8_t optionFlags) {
    return (optionFlags & (kNmeaBit | kLogViewBit | kSkyNavBit)) != 0;
}

std::uint8_t OptionFlags(int warningLevel, bool nmea, bool logView, bool skyNav) {
    return LowByte(warningLevel + (nmea ? kNmeaBit : 0) + (logView ? kLogViewBit : 0) +
                   (skyNav ? kSkyNavBit : 0));
}

int Capacity(std::uint8_t motorBatteryCapacity) {
    return motorBatteryCapacity & 0x7F;
}

bool CapacityInPercent(std::uint8_t motorBatteryCapacity) {
    return (motorBatteryCapacity & kCapacityInPercentBit) != 0;
}

std::uint8_t MotorBatteryCapacity(int capacity, bool inPercent) {
    return LowByte(capacity + (inPercent ? kCapacityInPercentBit : 0));
}

int AltitudeAnnouncementStep(int altitudeAnnouncementIndex) {
    switch (altitudeAnnouncementIndex) {
    case 0:
        return 0;
    case 1:
        return 2;
    case 2:
        return 5;
    case 3:
        return 10;
    default:
        return -1;
    }
}

} // namespace vx::binding
