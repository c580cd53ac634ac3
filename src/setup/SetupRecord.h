#pragma once
// The device's whole setup: 20 bytes, one field per byte, in the order the device reads them
// from "VOLANTRI.HEX". No field is checked against a range: whatever a file brings is kept.

#include <array>
#include <cstddef>
#include <cstdint>

namespace vx {

struct SetupRecord {
    std::uint8_t OptionFlags = 0; // 0: warning level (bits 0-2), serial output (bits 3-5)
    std::uint8_t AltitudeIntervalPositive = 0;   // 1: seconds
    std::uint8_t AltitudeIntervalNegative = 0;   // 2: seconds
    std::uint8_t IntegralVarioInterval = 0;      // 3: seconds
    std::uint8_t SpeedAnnouncement = 0;          // 4
    std::uint8_t VarioFunction = 0;              // 5
    std::uint8_t ReceiverVoltageAlarm = 0;       // 6: 0.1 V
    std::uint8_t SinkThreshold = 0;              // 7: 0.1 m/s of sink
    std::uint8_t VarioToneMode = 0;              // 8
    std::uint8_t CurrentSensorAnnouncements = 0; // 9
    std::uint8_t PitotSensor = 0;                // 10
    std::uint8_t TemperatureAlarm = 0;           // 11: degrees C, 0 = no announcement
    std::uint8_t MotorBatteryVoltageAlarm = 0;   // 12: 0.5 V, 0 = no announcement
    std::uint8_t IntegralVarioAnnouncements = 0; // 13: 2 * AltitudeAnnouncementIndex + mode
    std::uint8_t CurrentSensorType = 0;          // 14
    std::uint8_t HeightUnit = 0;                 // 15: 1 metres, 0 feet
    std::uint8_t CurrentAnnouncementDelay = 0;   // 16: seconds
    std::uint8_t MotorBatteryCapacity = 0;       // 17: bits 0-6 in 0.1 Ah, bit 7 "in %"
    std::uint8_t CapacityAlarm = 0;              // 18: percent used, 0 = none
    std::uint8_t LowPulseMode = 0;               // 19

    friend bool operator==(const SetupRecord&, const SetupRecord&) = default;
};

inline constexpr std::size_t kSetupRecordSize = 20;
using SetupBytes = std::array<std::uint8_t, kSetupRecordSize>;

// Byte i of the record (0 to 19), the same byte the setup file holds at offset i.
std::uint8_t& SetupByte(SetupRecord& record, std::size_t index);
std::uint8_t SetupByte(const SetupRecord& record, std::size_t index);
SetupBytes ToBytes(const SetupRecord& record);
SetupRecord FromBytes(const SetupBytes& bytes);

// The factory setting: 01 3C 14 14 01 01 2F 00 01 00 00 00 00 01 02 01 03 00 00 00.
void LoadDefaultSetup(SetupRecord& record);

// Byte 13 in its two parts: the value mode (1 absolute, 2 relative, 0 for a stored 0) and the
// index of the additional altitude announcement (0 none, 1..3 for every 2nd, 5th, 10th).
struct IntegralVarioParts {
    int IntegralValueMode = 0;
    int AltitudeAnnouncementIndex = 0;
    friend bool operator==(const IntegralVarioParts&, const IntegralVarioParts&) = default;
};
IntegralVarioParts SplitIntegralVarioAnnouncements(std::uint8_t value);
std::uint8_t CombineIntegralVarioAnnouncements(int altitudeAnnouncementIndex,
                                               int integralValueMode);

} // namespace vx
