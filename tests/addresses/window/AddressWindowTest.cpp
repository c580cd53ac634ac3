// The address window: rows moved with their arrows, the reset, and the save of "ADRESSEN.HEX".

#include "ScriptedDialogs.h"

#include "addresses/Unit2.h"
#include "widgets/UpDown.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using vx::test::ReadBytes;
using vx::test::ScriptedDialogs;
using vx::test::TestFolder;
using vx::test::WriteBytes;

namespace {

const QByteArray kDefaultAddresses = QByteArray::fromHex("000102030405060708090A");

vx::ui::UpDown* Spin(TForm2& window, int row) {
    return window.findChild<vx::ui::UpDown*>(QStringLiteral("UpDown%1").arg(row));
}

QLineEdit* Memo(TForm2& window, int row) {
    return window.findChild<QLineEdit*>(QStringLiteral("Memo%1").arg(row));
}

void Press(vx::ui::UpDown* spin, vx::ui::UpDownButton arrow, int times) {
    QToolButton* button = arrow == vx::ui::UpDownButton::Up ? spin->upButton() : spin->downButton();
    for (int i = 0; i < times; ++i)
        QTest::mouseClick(button, Qt::LeftButton);
}

QByteArray SaveInto(TForm2& window, ScriptedDialogs& dialogs, const QString& chosenPath) {
    dialogs.Answer(chosenPath);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    return ReadBytes(QFileInfo(chosenPath).absolutePath() + QStringLiteral("/ADRESSEN.HEX"));
}

QStringList Shown(TForm2& window) {
    QStringList texts;
    for (int row = 1; row <= 11; ++row)
        texts << Memo(window, row)->text() + QLatin1Char('@') +
                     QString::number(Spin(window, row)->position());
    return texts;
}

} // namespace

class AddressWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void showsItsTitleTextsAndPlace();
    void savingRightAfterStartWritesTheDefaultAddresses();
    void rowsStopAtTheirEnds_data();
    void rowsStopAtTheirEnds();
    void lastRowReachesHundredAndSavesIt();
    void textBoxesTakeNoTyping();
    void resetShowsTheDefaultsAgain();
    void hidingAndShowingKeepsTheAddresses();
    void saveUnderTypedNameWritesAdressenHexOnly();
    void failedOrCancelledSaveWritesNothing();
};

void AddressWindowTest::showsItsTitleTextsAndPlace() {
    const std::pair<const char*, const char*> texts[] = {
        {"Label15", "Adresse"},
        {"Label1", "Empfängerspannung"},
        {"Label2", "LQI"},
        {"Label10", "verbrauchte Kapazität Motorakku"},
        {"Label3", "Motorstrom"},
        {"Label4", "Motorspannung"},
        {"Label5", "Temperatur"},
        {"Label6", "Barometrische Höhe"},
        {"Label8", "Vario-Höhenänderung"},
        {"Label7", "Pitot-Speed"},
        {"Label14", "GPS- Höhe"},
        {"Label16", "GPS-Geschwindigkeit"},
        {"Label11", "Bitte beachten:"},
        {"Label9", "Nur für M-Link Volantrix bei Verwendung  brelvik-fremder Sensoren."},
        {"Label12", "Datei ADRESSEN.HEX auf micro-SD speichen und in Ground Unit "},
        {"Label13", "einstecken. Das Adressen-Setup wird dann beim Einschalten geladen."},
    };
    TForm2 window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Option: Freies Adressen-Setup für M-Link"));
    for (const auto& [name, text] : texts) {
        auto* label = window.findChild<QLabel*>(QString::fromLatin1(name));
        QVERIFY2(label, name);
        QCOMPARE(label->text(), QString::fromUtf8(text));
    }
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("Button2"))->text(),
             QStringLiteral("Adressen auf Grundeinstellung für brelvik Volantrix KX setzen"));
    QCOMPARE(window.findChild<QPushButton*>(QStringLiteral("Button1"))->text(),
             QStringLiteral("Adressen-Setup speichern"));
    // Row k sits 32 pixels below row k - 1.
    for (int row = 1; row <= 11; ++row) {
        QCOMPARE(Spin(window, row)->geometry(), QRect(208, 24 + 32 * (row - 1), 16, 24));
        QCOMPARE(Memo(window, row)->geometry(), QRect(232, 24 + 32 * (row - 1), 41, 17));
    }
    // One regular 11-pixel font for every text of this window, the addresses included.
    for (QWidget* control : window.findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(control) && !qobject_cast<QLineEdit*>(control) &&
            !qobject_cast<QPushButton*>(control))
            continue;
        QVERIFY2(control->font().pixelSize() == 11 && !control->font().bold(),
                 qPrintable(control->objectName()));
    }
    QVERIFY(!window.isVisible());
    window.show();
    QCOMPARE(window.frameGeometry(), QRect(443, 214, 352, 567));
}

void AddressWindowTest::savingRightAfterStartWritesTheDefaultAddresses() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm2 window;
    window.show();
    QCOMPARE(SaveInto(window, dialogs, folder.file(QStringLiteral("ADRESSEN.HEX"))).toHex(' '),
             kDefaultAddresses.toHex(' '));
    QCOMPARE(dialogs.savePresets, QStringList{QStringLiteral("ADRESSEN.HEX")});
    QCOMPARE(Shown(window), (QStringList{"0@0", "1@1", "2@2", "3@3", "4@4", "5@5", "6@6", "7@7",
                                         "8@8", "9@9", "10@10"}));
    QCOMPARE(dialogs.errors, QStringList());
}

void AddressWindowTest::rowsStopAtTheirEnds_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("top");
    for (int row = 1; row <= 10; ++row)
        QTest::addRow("row %d", row) << row << 15;
    QTest::addRow("row 11") << 11 << 100;
}

void AddressWindowTest::rowsStopAtTheirEnds() {
    QFETCH(int, row);
    QFETCH(int, top);
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm2 window;
    window.show();
    vx::ui::UpDown* spin = Spin(window, row);
    QVERIFY(spin);

    Press(spin, vx::ui::UpDownButton::Down, row + 1);
    QCOMPARE(Memo(window, row)->text(), QStringLiteral("0"));
    QCOMPARE(int(window.addressRecord().bytes[row - 1]), 0);
    Press(spin, vx::ui::UpDownButton::Up, top + 5);
    QCOMPARE(Memo(window, row)->text(), QString::number(top));
    QByteArray expected = kDefaultAddresses;
    expected[row - 1] = char(top);
    QCOMPARE(SaveInto(window, dialogs, folder.file(QStringLiteral("x"))).toHex(' '),
             expected.toHex(' '));
}

void AddressWindowTest::lastRowReachesHundredAndSavesIt() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm2 window;
    window.show();
    Press(Spin(window, 11), vx::ui::UpDownButton::Up, 90);
    Press(Spin(window, 1), vx::ui::UpDownButton::Up, 4);
    QCOMPARE(Memo(window, 11)->text(), QStringLiteral("100"));
    QCOMPARE(SaveInto(window, dialogs, folder.file(QStringLiteral("ADRESSEN.HEX"))).toHex(' '),
             QByteArray::fromHex("04010203040506070809 64").toHex(' '));
}

void AddressWindowTest::textBoxesTakeNoTyping() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm2 window;
    window.show();
    for (int row = 1; row <= 11; ++row) {
        QLineEdit* memo = Memo(window, row);
        QVERIFY(memo->isReadOnly());
        QTest::keyClicks(memo, QStringLiteral("12"));
        QCOMPARE(memo->text(), QString::number(row - 1));
    }
    QCOMPARE(SaveInto(window, dialogs, folder.file(QStringLiteral("ADRESSEN.HEX"))).toHex(' '),
             kDefaultAddresses.toHex(' '));
}

void AddressWindowTest::resetShowsTheDefaultsAgain() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm2 window;
    window.show();
    Press(Spin(window, 2), vx::ui::UpDownButton::Up, 7);
    Press(Spin(window, 11), vx::ui::UpDownButton::Down, 3);
    const QStringList defaults = {"0@0", "1@1", "2@2", "3@3", "4@4",  "5@5",
                                  "6@6", "7@7", "8@8", "9@9", "10@10"};
    QVERIFY(Shown(window) != defaults);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Button2")), Qt::LeftButton);
    QCOMPARE(Shown(window), defaults);
    QCOMPARE(folder.Listing(), QStringList());
    QCOMPARE(SaveInto(window, dialogs, folder.file(QStringLiteral("ADRESSEN.HEX"))).toHex(' '),
             kDefaultAddresses.toHex(' '));
}

void AddressWindowTest::hidingAndShowingKeepsTheAddresses() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm2 window;
    window.show();
    Press(Spin(window, 5), vx::ui::UpDownButton::Up, 2);
    const QStringList shown = Shown(window);
    window.close();
    window.show();
    QCOMPARE(Shown(window), shown);
    QCOMPARE(SaveInto(window, dialogs, folder.file(QStringLiteral("ADRESSEN.HEX"))).toHex(' '),
             QByteArray::fromHex("0001020306 05060708090A").toHex(' '));
}

void AddressWindowTest::saveUnderTypedNameWritesAdressenHexOnly() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm2 window;
    window.show();
    WriteBytes(folder.file(QStringLiteral("ADRESSEN.HEX")), "an older table, longer than eleven");
    QCOMPARE(SaveInto(window, dialogs, folder.file(QStringLiteral("meine.adr"))).toHex(' '),
             kDefaultAddresses.toHex(' '));
    SaveInto(window, dialogs, folder.file(QStringLiteral("zweite.hex")));
    QCOMPARE(folder.Listing(), QStringList{QStringLiteral("ADRESSEN.HEX")});
    QCOMPARE(dialogs.savePresets,
             (QStringList{QStringLiteral("ADRESSEN.HEX"), QStringLiteral("ADRESSEN.HEX")}));
    QVERIFY(window.isVisible());
}

void AddressWindowTest::failedOrCancelledSaveWritesNothing() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm2 window;
    window.show();
    WriteBytes(folder.file(QStringLiteral("plain")), "x");
    SaveInto(window, dialogs, folder.file(QStringLiteral("plain/ADRESSEN.HEX")));
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("E/A-Fehler 20")}); // ENOTDIR
    dialogs.Answer(std::nullopt);
    QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("Button1")), Qt::LeftButton);
    QCOMPARE(folder.Listing(), QStringList{QStringLiteral("plain")});
    QCOMPARE(dialogs.errors.size(), 1);
    QCOMPARE(dialogs.unanswered, 0);
    QVERIFY(window.isVisible());
}

QTEST_MAIN(AddressWindowTest)
#include "AddressWindowTest.moc"
