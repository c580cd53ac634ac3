// The scaled value texts use the decimal separator of the system's locale. CTest runs this test
// once per system locale (LC_ALL) and names the separator that run must see in
// VX_EXPECTED_DECIMAL_POINT; QLocale::setDefault would not do, since the editor asks the system.

#include "EditorDriver.h"

#include <QLocale>
#include <QTest>

using vx::test::EditorUnderTest;
using vx::test::Scenario;

class DecimalSeparatorTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() {
        point_ = qEnvironmentVariable("VX_EXPECTED_DECIMAL_POINT");
        QVERIFY2(!point_.isEmpty(), "run through CTest, which names the expected separator");
        QCOMPARE(QLocale::system().decimalPoint(), point_);
    }

    void scaledTexts_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("expected");
        QTest::newRow("receiver 4.7 at start-up") << ""
                                                  << "Memo6=4#7";
        QTest::newRow("receiver up") << "UpDown5+"
                                     << "[6]=48 Memo6=4#8";
        QTest::newRow("sink -0.5") << "load:7=5"
                                   << "Memo7=-0#5";
        QTest::newRow("sink down") << "UpDown6-"
                                   << "[7]=1 Memo7=-0#1";
        QTest::newRow("motor battery 10.5") << "load:12=21"
                                            << "Memo9=10#5";
        QTest::newRow("motor battery up") << "CheckBox3 UpDown8+"
                                          << "[12]=11 Memo9=5#5";
        QTest::newRow("capacity 0.5 in percent") << "CheckBox6"
                                                 << "[17]=133 Memo14=0#5";
        QTest::newRow("capacity 12.7 loaded") << "load:17=127"
                                              << "Memo14=12#7";
        QTest::newRow("whole values keep no separator") << "load:6=90,12=20"
                                                        << "Memo6=9 Memo9=10";
    }
    void scaledTexts() {
        QFETCH(QString, steps);
        QFETCH(QString, expected);
        EditorUnderTest e;
        Scenario scenario(e);
        scenario.Run(steps);
        scenario.Check(expected.replace(QLatin1Char('#'), point_));
        QVERIFY2(scenario.Failures().isEmpty(),
                 qPrintable(scenario.Failures().join(QStringLiteral("; "))));
    }

  private:
    QString point_;
};

QTEST_MAIN(DecimalSeparatorTest)
#include "tst_DecimalSeparator.moc"
