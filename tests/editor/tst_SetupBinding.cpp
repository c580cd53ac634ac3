// The arithmetic between the editor's controls and the setup bytes.

#include "editor/SetupBinding.h"

#include <QTest>

using vx::binding::Scale;

Q_DECLARE_METATYPE(vx::binding::Scale)

class SetupBindingTest : public QObject {
    Q_OBJECT

  private slots:
    void valueText_data() {
        QTest::addColumn<int>("value");
        QTest::addColumn<Scale>("scale");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole 5") << 5 << Scale::Whole << "5";
        QTest::newRow("whole 125") << 125 << Scale::Whole << "125";
        QTest::newRow("whole 0") << 0 << Scale::Whole << "0";
        QTest::newRow("receiver 44") << 44 << Scale::Tenths << "4,4";
        QTest::newRow("receiver 47") << 47 << Scale::Tenths << "4,7";
        QTest::newRow("receiver 90 has no decimal part") << 90 << Scale::Tenths << "9";
        QTest::newRow("receiver 255") << 255 << Scale::Tenths << "25,5";
        QTest::newRow("tenths 0") << 0 << Scale::Tenths << "0";
        QTest::newRow("tenths 5 below 1") << 5 << Scale::Tenths << "0,5";
        QTest::newRow("sink 0 has no minus") << 0 << Scale::NegativeTenths << "0";
        QTest::newRow("sink 1") << 1 << Scale::NegativeTenths << "-0,1";
        QTest::newRow("sink 5") << 5 << Scale::NegativeTenths << "-0,5";
        QTest::newRow("sink 20") << 20 << Scale::NegativeTenths << "-2";
        QTest::newRow("sink 19") << 19 << Scale::NegativeTenths << "-1,9";
        QTest::newRow("motor 21") << 21 << Scale::Halves << "10,5";
        QTest::newRow("motor 20") << 20 << Scale::Halves << "10";
        QTest::newRow("motor 11") << 11 << Scale::Halves << "5,5";
        QTest::newRow("motor 255") << 255 << Scale::Halves << "127,5";
        QTest::newRow("motor 0") << 0 << Scale::Halves << "0";
    }
    void valueText() {
        QFETCH(int, value);
        QFETCH(Scale, scale);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(vx::binding::ValueText(value, scale, ",")), text);
        QString pointText = text;
        pointText.replace(QLatin1Char(','), QLatin1Char('.'));
        QCOMPARE(QString::fromStdString(vx::binding::ValueText(value, scale, ".")), pointText);
    }

    void lowByte() {
        QCOMPARE(vx::binding::LowByte(255), 255);
        QCOMPARE(vx::binding::LowByte(256), 0);
        QCOMPARE(vx::binding::LowByte(2 * 127 + 2), 0);
        QCOMPARE(vx::binding::LowByte(227), 227);
    }

    void optionFlags_data() {
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("nmea");
        QTest::addColumn<bool>("logView");
        QTest::addColumn<bool>("skyNav");
        QTest::addColumn<int>("byte");
        QTest::newRow("level only") << 3 << false << false << false << 3;
        QTest::newRow("nmea") << 2 << true << false << false << 10;
        QTest::newRow("logview") << 3 << false << true << false << 19;
        QTest::newRow("skynav") << 0 << false << false << true << 32;
    }
    void optionFlags() {
        QFETCH(int, level);
        QFETCH(bool, nmea);
        QFETCH(bool, logView);
        QFETCH(bool, skyNav);
        QFETCH(int, byte);
        QCOMPARE(vx::binding::OptionFlags(level, nmea, logView, skyNav), byte);
    }

    void optionFlagParts() {
        QCOMPARE(vx::binding::WarningLevel(0xC9), 1);
        QCOMPARE(vx::binding::WarningLevel(7), 7);
        QVERIFY(!vx::binding::HasSerialOutput(0xC7));
        QVERIFY(vx::binding::HasSerialOutput(24));
        QVERIFY(vx::binding::HasSerialOutput(32));
    }

    void capacity() {
        QCOMPARE(vx::binding::MotorBatteryCapacity(5, true), 133);
        QCOMPARE(vx::binding::MotorBatteryCapacity(99, true), 227);
        QCOMPARE(vx::binding::MotorBatteryCapacity(23, false), 23);
        QCOMPARE(vx::binding::Capacity(255), 127);
        QCOMPARE(vx::binding::Capacity(128), 0);
        QVERIFY(vx::binding::CapacityInPercent(128));
        QVERIFY(!vx::binding::CapacityInPercent(127));
    }

    void noIntegralVarioAnnouncement() {
        QVERIFY(vx::binding::IsNoIntegralVarioAnnouncement(60));
        QVERIFY(vx::binding::IsNoIntegralVarioAnnouncement(0));
        QVERIFY(!vx::binding::IsNoIntegralVarioAnnouncement(30));
        QVERIFY(!vx::binding::IsNoIntegralVarioAnnouncement(65));
    }

    void altitudeAnnouncementStep() {
        QCOMPARE(vx::binding::AltitudeAnnouncementStep(0), 0);
        QCOMPARE(vx::binding::AltitudeAnnouncementStep(1), 2);
        QCOMPARE(vx::binding::AltitudeAnnouncementStep(2), 5);
        QCOMPARE(vx::binding::AltitudeAnnouncementStep(3), 10);
        QCOMPARE(vx::binding::AltitudeAnnouncementStep(4), -1);
        QCOMPARE(vx::binding::AltitudeAnnouncementStep(-1), -1);
    }
};

QTEST_APPLESS_MAIN(SetupBindingTest)
#include "tst_SetupBinding.moc"
