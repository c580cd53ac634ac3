#include "setup/SetupRecord.h"

#include <gtest/gtest.h>

namespace vx {
namespace {

constexpr SetupBytes kFactory = {0x01, 0x3C, 0x14, 0x14, 0x01, 0x01, 0x2F, 0x00, 0x01, 0x00,
                                 0x00, 0x00, 0x00, 0x01, 0x02, 0x01, 0x03, 0x00, 0x00, 0x00};

TEST(SetupRecord, FieldsStandInFileOrder) {
    SetupRecord r;
    r.OptionFlags = 100;
    r.AltitudeIntervalPositive = 1;
    r.ReceiverVoltageAlarm = 6;
    r.IntegralVarioAnnouncements = 13;
    r.MotorBatteryCapacity = 17;
    r.LowPulseMode = 19;
    SetupBytes b = ToBytes(r);
    EXPECT_EQ(b[0], 100);
    EXPECT_EQ(b[1], 1);
    EXPECT_EQ(b[6], 6);
    EXPECT_EQ(b[13], 13);
    EXPECT_EQ(b[17], 17);
    EXPECT_EQ(b[19], 19);
    EXPECT_EQ(&SetupByte(r, 12), &r.MotorBatteryVoltageAlarm);
    EXPECT_EQ(FromBytes(b), r);
}

TEST(SetupRecord, DefaultsRestoreEveryByte) {
    SetupRecord r;
    for (std::size_t i = 0; i < kSetupRecordSize; ++i)
        SetupByte(r, i) = static_cast<std::uint8_t>(0xF0 + i);
    LoadDefaultSetup(r);
    EXPECT_EQ(ToBytes(r), kFactory);
    EXPECT_EQ(r.ReceiverVoltageAlarm, 47);
    EXPECT_EQ(r.CurrentSensorType, 2);
}

TEST(SetupRecord, IntegralVarioAnnouncementsSplitAndRecombine) {
    struct Case {
        std::uint8_t value;
        int mode;
        int index;
    };
    const Case cases[] = {{0, 0, 0}, {1, 1, 0}, {2, 2, 0}, {3, 1, 1}, {4, 2, 1},    {5, 1, 2},
                          {6, 2, 2}, {7, 1, 3}, {8, 2, 3}, {9, 1, 4}, {255, 1, 127}};
    for (const Case& c : cases) {
        IntegralVarioParts parts = SplitIntegralVarioAnnouncements(c.value);
        EXPECT_EQ(parts, (IntegralVarioParts{c.mode, c.index})) << int(c.value);
        EXPECT_EQ(CombineIntegralVarioAnnouncements(parts.AltitudeAnnouncementIndex,
                                                    parts.IntegralValueMode),
                  c.value);
    }
}

} // namespace
} // namespace vx
