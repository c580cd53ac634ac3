#pragma once
// The arithmetic between the setup editor's controls and the bytes of the SetupRecord, kept
// apart from the widgets so that each control's handler stays a line or two. No Qt here.

#include <cstdint>
#include <string>
#include <string_view>

namespace vx::binding {

// How a group's value text box shows its byte.
enum class Scale {
    Whole,          // integer text: 125 shows 125
    Tenths,         // byte x 0.1: 47 shows 4,7
    NegativeTenths, // byte x -0.1: 5 shows -0,5
    Halves,         // byte x 0.5: 21 shows 10,5
};

// The text a value text box shows for `value` (a stored byte, or a spin position).
// Scaled values use `decimalPoint` as separator; a whole result has no decimal part and zero
// never carries a minus sign.
std::string ValueText(int value, Scale scale, std::string_view decimalPoint);

// A handler's result as the record stores it: the low 8 bits.
std::uint8_t LowByte(int value);

// Byte 3: the device takes this interval as "keine Ansage"; a stored 0 is shown the same way.
inline constexpr std::uint8_t kNoIntegralVarioAnnouncement = 60;
// The interval that unticking "keine Ansage" of Setup 3 restores.
inline constexpr int kIntegralVarioIntervalRestored = 20;
bool IsNoIntegralVarioAnnouncement(std::uint8_t value);

// Byte 0: warning level in bits 0-2, at most one serial-output bit of 8, 16 and 32.
int WarningLevel(std::uint8_t optionFlags);
bool HasSerialOutput(std::uint8_t optionFlags);
inline constexpr std::uint8_t kNmeaBit = 8;
inline constexpr std::uint8_t kLogViewBit = 16;
inline constexpr std::uint8_t kSkyNavBit = 32;
// Rebuilds the whole byte from the spin position and the serial-output choice; bits that a
// loaded file brought (6 and 7, or a second output bit) are dropped.
std::uint8_t OptionFlags(int warningLevel, bool nmea, bool logView, bool skyNav);

// Byte 17: capacity in 0.1 Ah in bits 0-6, bit 7 set for "alle Kapazitäts-Ansagen rel. in %".
inline constexpr std::uint8_t kCapacityInPercentBit = 128;
int Capacity(std::uint8_t motorBatteryCapacity);
bool CapacityInPercent(std::uint8_t motorBatteryCapacity);
std::uint8_t MotorBatteryCapacity(int capacity, bool inPercent);

// Setup 13: the n of "bei jeder n-ten Integral-Variometer-Ansage" for an index of 1 to 3, 0
// for index 0 (no additional announcement), -1 for any index that has no n.
int AltitudeAnnouncementStep(int altitudeAnnouncementIndex);

} // namespace vx::binding
