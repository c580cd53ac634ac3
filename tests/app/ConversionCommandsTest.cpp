// The five conversions started from the menu: the log dialog, the completion message with the
// GPX date and time under German settings (LC_ALL=de_DE.UTF-8, TZ=UTC0), and the error box.

#include "ScriptedDialogs.h"

#include "app/Unit1.h"

#include <QAction>
#include <QDateTime>
#include <QFile>
#include <QTest>
#include <QTimeZone>

#include <fcntl.h>
#include <sys/stat.h>

using vx::test::IniValue;
using vx::test::ReadBytes;
using vx::test::ScriptedDialogs;
using vx::test::TestFolder;
using vx::test::WriteBytes;

namespace {

// Headings, two samples with a position and one without.
const QByteArray kLog = "Volantrix Log\r\n"
                        "a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p\r\n"
                        "1;0;1;0;1234;0;0;0;0;0;11234567;48123456;520;35;0;0;0\r\n"
                        "2;0;2;0;1240;0;0;0;0;0;0;0;0;0;0;0;0\r\n"
                        "3;0;3;0;1251;0;0;0;0;0;11234570;48123460;523;37;0;0;0\r\n";

const QString kLogFilter =
    QStringLiteral("Alle CSV-Dateien (*.CSV)|*.CSV|Volantrix Log-Datei (*.CSV)|VXL?????.CSV|"
                   "Alle Dateien (*.*)|*.*");

void Trigger(QObject& window, const QString& itemName) {
    auto* item = window.findChild<QAction*>(itemName);
    QVERIFY2(item, qPrintable(itemName));
    item->trigger();
}

void SetModified(const QString& path, const QDateTime& time) {
    timespec times[2] = {{time.toSecsSinceEpoch(), 0}, {time.toSecsSinceEpoch(), 0}};
    QCOMPARE(::utimensat(AT_FDCWD, QFile::encodeName(path).constData(), times, 0), 0);
}

QDateTime Utc(int year, int month, int day, int hour, int minute, int second) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second), QTimeZone::utc());
}

// Converts `log` through the Skyplotter item and gives the output's bytes.
QByteArray SkyplotterOutput(TForm1& window, ScriptedDialogs& dialogs, const TestFolder& folder,
                            const QString& log) {
    dialogs.Answer(log);
    Trigger(window, QStringLiteral("frSkyplotter1"));
    return ReadBytes(folder.file(QStringLiteral("SKP00001.CSV")));
}

} // namespace

class ConversionCommandsTest : public QObject {
    Q_OBJECT

  private slots:
    void eachItemConvertsTheChosenLogBesideIt_data();
    void eachItemConvertsTheChosenLogBesideIt();
    void gpxMessageShowsTheLogsDateAndTime_data();
    void gpxMessageShowsTheLogsDateAndTime();
    void cancelledDialogDoesNothing();
    void badLogShowsTheErrorAndNoCompletion_data();
    void badLogShowsTheErrorAndNoCompletion();
    void logDialogOffersItsFilterAndThePreviousLog();
    void skyplotterFollowsTheFirmwareVersion();
};

void ConversionCommandsTest::eachItemConvertsTheChosenLogBesideIt_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("output");
    QTest::addColumn<QByteArray>("firstLine");
    QTest::addColumn<QByteArray>("latitude"); // of the first sample, as the output writes it

    const QByteArray xml = "<?xml";
    const QByteArray degrees = "48.2057600021362";
    QTest::newRow("KML 2D") << "nachKML2D1"
                            << "VXL00001.kml" << xml << degrees;
    QTest::newRow("KML GPS height") << "nachKML3D1"
                                    << "VXL00001.kml" << xml << degrees;
    QTest::newRow("KML barometric height") << "nachKMLmitbaromHhe1"
                                           << "VXL00001.kml" << xml << degrees;
    QTest::newRow("GPX") << "nachGMX1"
                         << "VXL00001.GPX" << xml << degrees;
    QTest::newRow("Skyplotter") << "frSkyplotter1"
                                << "SKP00001.CSV" << QByteArray() << QByteArray(";4812345;");
}

void ConversionCommandsTest::eachItemConvertsTheChosenLogBesideIt() {
    QFETCH(QString, item);
    QFETCH(QString, output);
    QFETCH(QByteArray, firstLine);
    QFETCH(QByteArray, latitude);
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    const QString log = folder.file(QStringLiteral("VXL00001.CSV"));
    WriteBytes(log, kLog);
    SetModified(log, Utc(2010, 6, 12, 14, 22, 10));
    dialogs.Answer(log);
    Trigger(window, item);

    QCOMPARE(dialogs.errors, QStringList());
    QCOMPARE(dialogs.informations.size(), 1);
    QString expected = QStringLiteral("Fertig mit Konvertierung nach:\r") + output;
    if (output.endsWith(QLatin1String(".GPX")))
        expected += QStringLiteral("\r12.06.2010 14:22:10");
    QCOMPARE(dialogs.informations.first(), expected);
    QStringList listing{output, QStringLiteral("VXL00001.CSV")};
    listing.sort();
    QCOMPARE(folder.Listing(), listing);
    QByteArray written = ReadBytes(folder.file(output));
    QVERIFY(written.startsWith(firstLine));
    QVERIFY2(written.contains(latitude), written.constData());
    QCOMPARE(ReadBytes(log), kLog);
    // The conversion touches neither the settings nor the setup.
    QVERIFY(!QFileInfo::exists(folder.settingsFile()));
}

void ConversionCommandsTest::gpxMessageShowsTheLogsDateAndTime_data() {
    QTest::addColumn<QDateTime>("modified");
    QTest::addColumn<QString>("shown");

    QTest::newRow("odd second counts as the even one below")
        << Utc(2010, 6, 12, 14, 22, 11) << "12.06.2010 14:22:10";
    QTest::newRow("early morning") << Utc(2009, 1, 2, 3, 4, 6) << "02.01.2009 03:04:06";
    QTest::newRow("exactly midnight: the date alone") << Utc(2010, 6, 12, 0, 0, 0) << "12.06.2010";
}

void ConversionCommandsTest::gpxMessageShowsTheLogsDateAndTime() {
    QFETCH(QDateTime, modified);
    QFETCH(QString, shown);
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    const QString log = folder.file(QStringLiteral("VXL00042.CSV"));
    WriteBytes(log, kLog);
    SetModified(log, modified);
    dialogs.Answer(log);
    Trigger(window, QStringLiteral("nachGMX1"));
    QCOMPARE(dialogs.informations,
             QStringList{QStringLiteral("Fertig mit Konvertierung nach:\rVXL00042.GPX\r") + shown});
}

void ConversionCommandsTest::cancelledDialogDoesNothing() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    WriteBytes(folder.file(QStringLiteral("VXL00001.CSV")), kLog);
    for (const char* item :
         {"nachKML2D1", "nachKML3D1", "nachKMLmitbaromHhe1", "nachGMX1", "frSkyplotter1"}) {
        dialogs.Answer(std::nullopt);
        Trigger(window, QString::fromLatin1(item));
    }
    QCOMPARE(dialogs.openRequests.size(), 5);
    QCOMPARE(dialogs.informations, QStringList());
    QCOMPARE(dialogs.errors, QStringList());
    QCOMPARE(folder.Listing(), QStringList{QStringLiteral("VXL00001.CSV")});
}

void ConversionCommandsTest::badLogShowsTheErrorAndNoCompletion_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QByteArray>("log"); // nothing: the chosen log does not exist
    QTest::addColumn<QString>("error");

    const QByteArray letters = "1;0;5;0;1234;0;0;0;0;0;abc;48123456;520;35;0;0;0\r\n";
    QTest::newRow("KML, letters in a coordinate")
        << "nachKML2D1" << letters << "'abc' ist kein gültiger Integerwert";
    QTest::newRow("GPX, letters in a coordinate")
        << "nachGMX1" << letters << "'abc' ist kein gültiger Integerwert";
    QTest::newRow("KML, missing log") << "nachKML3D1" << QByteArray() << "Datei nicht gefunden";
    QTest::newRow("Skyplotter, missing log")
        << "frSkyplotter1" << QByteArray() << "Datei nicht gefunden";
}

void ConversionCommandsTest::badLogShowsTheErrorAndNoCompletion() {
    QFETCH(QString, item);
    QFETCH(QByteArray, log);
    QFETCH(QString, error);
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    const QString path = folder.file(QStringLiteral("VXL00007.CSV"));
    if (!log.isEmpty())
        WriteBytes(path, log);
    dialogs.Answer(path);
    Trigger(window, item);
    QCOMPARE(dialogs.errors, QStringList{error});
    QCOMPARE(dialogs.informations, QStringList());
    if (!log.isEmpty())
        QCOMPARE(ReadBytes(path), log);
    else
        QCOMPARE(folder.Listing(), QStringList());
}

void ConversionCommandsTest::logDialogOffersItsFilterAndThePreviousLog() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    const QString log = folder.file(QStringLiteral("VXL00001.CSV"));
    WriteBytes(log, kLog);
    dialogs.Answer(log);
    Trigger(window, QStringLiteral("nachKML2D1"));
    dialogs.Answer(std::nullopt);
    Trigger(window, QStringLiteral("frSkyplotter1"));
    // The setup dialog keeps its own memory.
    dialogs.Answer(std::nullopt);
    Trigger(window, QStringLiteral("Setupladen1"));

    QCOMPARE(dialogs.openRequests.size(), 3);
    QCOMPARE(dialogs.openRequests[0].filter, kLogFilter);
    QCOMPARE(dialogs.openRequests[1].filter, kLogFilter);
    QCOMPARE(dialogs.openRequests[0].previous, QString());
    QCOMPARE(dialogs.openRequests[1].previous, log);
    QCOMPARE(dialogs.openRequests[2].previous, QString());
}

void ConversionCommandsTest::skyplotterFollowsTheFirmwareVersion() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    const QString log = folder.file(QStringLiteral("VXL00001.CSV"));
    WriteBytes(log, "1;0;0;0;1234;0;61;62;0;0;11234567;48123456;520;35;0;0;66\r\n");

    QByteArray older;
    {
        TForm1 window;
        older = SkyplotterOutput(window, dialogs, folder, log);
    }
    WriteBytes(folder.settingsFile(), "[FW_Version]\nFW_Version=408\n");
    TForm1 window;
    QByteArray newer = SkyplotterOutput(window, dialogs, folder, log);
    QVERIFY2(newer != older, newer.constData());
    Trigger(window, QStringLiteral("bisV407x1"));
    QCOMPARE(IniValue(folder.settingsFile(), QStringLiteral("FW_Version")),
             std::optional(QStringLiteral("1")));
    QCOMPARE(SkyplotterOutput(window, dialogs, folder, log), older);
    QCOMPARE(dialogs.errors, QStringList());
}

QTEST_MAIN(ConversionCommandsTest)
#include "ConversionCommandsTest.moc"
