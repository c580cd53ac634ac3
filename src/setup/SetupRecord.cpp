#include "SetupRecord.h"

namespace vx {

namespace {

using Field = std::uint8_t SetupRecord::*;

// The file order of the fields; the record is addressed by byte index through this table.
constexpr std::array<Field, kSetupRecordSize> kFields = {
    &SetupRecord::OptionFlags,
    &SetupRecord::AltitudeIntervalPositive,
    &SetupRecord::AltitudeIntervalNegative,
    &SetupRecord::IntegralVarioInterval,
    &SetupRecord::SpeedAnnouncement,
    &SetupRecord::VarioFunction,
    &SetupRecord::ReceiverVoltageAlarm,
    &SetupRecord::SinkThreshold,
    &SetupRecord::VarioToneMode,
    &SetupRecord::CurrentSensorAnnouncements,
    &SetupRecord::PitotSensor,
    &SetupRecord::TemperatureAlarm,
    &SetupRecord::MotorBatteryVoltageAlarm,
    &SetupRecord::IntegralVarioAnnouncements,
    &SetupRecord::CurrentSensorType,
    &SetupRecord::HeightUnit,
    &SetupRecord::CurrentAnnouncementDelay,
    &SetupRecord::MotorBatteryCapacity,
    &SetupRecord::CapacityAlarm,
    &SetupRecord::LowPulseMode,
};

constexpr SetupBytes kDefaultSetup = {0x01, 0x3C, 0x14, 0x14, 0x01, 0x01, 0x2F, 0x00, 0x01, 0x00,
                                      0x00, 0x00, 0x00, 0x01, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00};

} // namespace

std::uint8_t& SetupByte(SetupRecord& record, std::size_t index) {
    return record.*kFields.at(index);
}

std::uint8_t SetupByte(const SetupRecord& record, std::size_t index) {
    return record.*kFields.at(index);
}

SetupBytes ToBytes(const SetupRecord& record) {
    SetupBytes bytes{};
    for (std::size_t i = 0; i < kSetupRecordSize; ++i)
        bytes[i] = record.*kFields[i];
    return bytes;
}

SetupRecord FromBytes(const SetupBytes& bytes) {
    SetupRecord record;
    for (std::size_t i = 0; i < kSetupRecordSize; ++i)
        record.*kFields[i] = bytes[i];
    return record;
}

void LoadDefaultSetup(SetupRecord& record) {
    record = FromBytes(kDefaultSetup);
}

IntegralVarioParts SplitIntegralVarioAnnouncements(std::uint8_t value) {
    int mode = value == 0 ? 0 : (value % 2 == 1 ? 1 : 2);
    return {mode, (value - mode) / 2};
}

std::uint8_t CombineIntegralVarioAnnouncements(int altitudeAnnouncementIndex,
                                               int integralValueMode) {
    return static_cast<std::uint8_t>(2 * altitudeAnnouncementIndex + integralValueMode);
}

} // namespace vx
