// The main window driven through its menu: setup file commands, settings behaviour, the firmware
// command, the information box and the address window command.

#include "ScriptedDialogs.h"

#include "addresses/Unit2.h"
#include "app/Unit1.h"
#include "editor/SetupEditor.h"
#include "setup/SetupRecord.h"
#include "widgets/UpDown.h"

#include <QAction>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <algorithm>
#include <functional>

using vx::test::ControlStates;
using vx::test::IniValue;
using vx::test::ReadBytes;
using vx::test::ScriptedDialogs;
using vx::test::TestFolder;
using vx::test::WriteBytes;

namespace {

const QByteArray kFactorySetting = QByteArray::fromHex("013C141401012F0001000000000102010300 0000");
const QString kStartCaption = QStringLiteral("VolantrixTool V0.394 für   brelvik Volantrix ");
const QString kFirmwareCaption = QStringLiteral("VolantrixTool V0.394 für   Volantrix ");
const QString kNotWritable = QStringLiteral("In VolantrixTool.ini kann nicht geschrieben werden");

// Twenty bytes that no control offers, each one different.
const QByteArray kOddBytes =
    QByteArray::fromHex("FF80 7F1A 00FE 65C8 0963 4B33 1A99 07F0 E1D2 0AB4");

QByteArray RecordBytes(TForm1& window) {
    vx::SetupBytes bytes = vx::ToBytes(window.setupRecord());
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

void Trigger(QObject& window, const char* itemName) {
    auto* item = window.findChild<QAction*>(QString::fromLatin1(itemName));
    QVERIFY2(item, itemName);
    item->trigger();
}

// Loads `path` through "Setup laden/einlesen".
void Load(TForm1& window, ScriptedDialogs& dialogs, const QString& path) {
    dialogs.Answer(path);
    Trigger(window, "Setupladen1");
}

QByteArray SaveInto(TForm1& window, ScriptedDialogs& dialogs, const QString& folder) {
    dialogs.Answer(folder + QStringLiteral("/VOLANTRI.HEX"));
    Trigger(window, "Setupspeichern1");
    return ReadBytes(folder + QStringLiteral("/VOLANTRI.HEX"));
}

// What a window shows that loaded `bytes` as a complete file right after start.
QStringList StatesOfWindowThatLoaded(const QByteArray& bytes, const TestFolder& folder) {
    ScriptedDialogs dialogs;
    TForm1 window;
    QString file = folder.file(QStringLiteral("reference.hex"));
    WriteBytes(file, bytes);
    Load(window, dialogs, file);
    return ControlStates(&window.setupEditor());
}

template <typename T> T* Control(TForm1& window, const char* name) {
    return window.setupEditor().findChild<T*>(QString::fromLatin1(name));
}

QStringList Without(QStringList states, const QStringList& prefixes) {
    states.removeIf([&](const QString& state) {
        return std::any_of(prefixes.cbegin(), prefixes.cend(),
                           [&](const QString& prefix) { return state.startsWith(prefix); });
    });
    return states;
}

// Sizes the window so that its outer size, frame included, is `width` x `height`, as a user's
// drag of the frame does.
void ResizeOuter(QWidget& window, int width, int height) {
    QSize frame = window.frameGeometry().size() - window.size();
    window.resize(QSize(width, height) - frame);
}

struct MenuItem {
    const char* name;
    const char* caption;
    std::vector<MenuItem> items; // a submenu's items
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void savingRightAfterStartWritesTheFactorySetting();
    void menuHoldsEveryItemWithItsCaption();
    void startsWithTheFormGeometryAndCaptionWithoutSettingsFile();
    void loadThenSaveKeepsEveryByte_data();
    void loadThenSaveKeepsEveryByte();
    void emptyFileIsRejectedAndTheFactorySettingFollows();
    void missingFileLeavesRecordAndWindowUnchanged();
    void saveIntoFolderThroughRegularFileFails();
    void saveUnderTypedNameWritesVolantriHexOnly();
    void cancelledDialogsChangeNothing();
    void setupDialogOffersItsFilterAndThePreviousFile();
    void defaultsCommandRestoresFactorySetting();
    void resizeSavesSettingsAndMoveDoesNot();
    void titleBarCloseKeepsLastSavedGeometry();
    void exitSavesGeometryThenCloses();
    void exitWithUnwritableSettingsKeepsRunning();
    void windowTakesGeometryFromSettingsFile();
    void languageCommandsOnlyStoreTheChoice();
    void firmwareCommandRightAfterStart();
    void firmwareCommandResetsLoadedSetup_data();
    void firmwareCommandResetsLoadedSetup();
    void firmwareCommandPutsIdleAltitudeSpinBackToOne();
    void firmwareCommandWithUnwritableSettingsStopsAfterReset();
    void informationBoxShowsFiveLines();
    void addressWindowIsShownOnceAndKeepsItsValues();
    void closingMainWindowEndsProgramWhileAddressWindowIsOpen();
};

void MainWindowTest::savingRightAfterStartWritesTheFactorySetting() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    QCOMPARE(SaveInto(window, dialogs, folder.path()).toHex(' '), kFactorySetting.toHex(' '));
    QCOMPARE(dialogs.savePresets, QStringList{QStringLiteral("VOLANTRI.HEX")});
    QCOMPARE(dialogs.errors, QStringList());
}

void MainWindowTest::menuHoldsEveryItemWithItsCaption() {
    const std::vector<MenuItem> menus = {
        {"Datei1",
         "Datei",
         {{"Setupladen1", "Setup laden/einlesen", {}},
          {"Setupspeichern1", "Setup speichern", {}},
          {"Proframmbeenden1", "Programm beenden", {}}}},
        {"Einstellungen1",
         "Einstellungen / Settings",
         {{"SetupGrundeinstellung1", "Setup-Grundeinstellung laden", {}},
          {"FirmwareVersiondesVolantrix1",
           "Volantrix Firmware Version einstellen",
           {{"bisV407x1", "Volantrix        ab V. 00x", {}}}},
          {"MLinkAdressenndern1", "M-Link Adressen ändern", {}},
          {"SpracheLanguage1",
           "Sprache / Language",
           {{"deutsch1", "deutsch", {}}, {"english1", "english", {}}}}}},
        {"DatenKonvertierung1",
         "Daten-Konvertierung",
         {{"nachKML2D1", "nach KML 2D", {}},
          {"nachKML3D1", "nach KML 3D mit GPS-Höhe", {}},
          {"nachKMLmitbaromHhe1", "nach KML 3D mit barom. Höhe", {}},
          {"nachGMX1", "nach GPX mit GPS-Höhe", {}},
          {"frSkyplotter1", "für Skyplotter", {}}}},
        {"Hilfe1", "Hilfe", {{"Info1", "Info", {}}}},
    };
    TestFolder folder;
    TForm1 window;

    // Compares a menu's entries, in order, with the expected items, and descends into submenus.
    std::function<void(const QList<QAction*>&, const std::vector<MenuItem>&)> check =
        [&](const QList<QAction*>& actions, const std::vector<MenuItem>& expected) {
            QCOMPARE(actions.size(), qsizetype(expected.size()));
            for (std::size_t i = 0; i < expected.size(); ++i) {
                QAction* action = actions[qsizetype(i)];
                QMenu* submenu = action->menu();
                QString name = submenu ? submenu->objectName() : action->objectName();
                QCOMPARE(name, QString::fromLatin1(expected[i].name));
                QCOMPARE(action->text(), QString::fromUtf8(expected[i].caption));
                QVERIFY(action->isEnabled());
                QVERIFY(!action->isCheckable());
                QVERIFY(!action->isSeparator());
                QVERIFY(action->shortcut().isEmpty());
                if (submenu || !expected[i].items.empty()) {
                    QVERIFY2(submenu, expected[i].name);
                    check(submenu->actions(), expected[i].items);
                }
            }
        };
    check(window.menuBar()->actions(), menus);
}

void MainWindowTest::startsWithTheFormGeometryAndCaptionWithoutSettingsFile() {
    TestFolder folder;
    TForm1 window;
    window.show();
    QCOMPARE(window.frameGeometry(), QRect(945, 55, 868, 852));
    QCOMPARE(window.windowTitle(), kStartCaption);
    QCOMPARE(window.toolSettings().FirmwareVersion, 0);
    QCOMPARE(window.toolSettings().OptionInt, 0);
    QCOMPARE(window.toolSettings().english, 0);
    // Starting writes nothing.
    QVERIFY(!QFileInfo::exists(folder.settingsFile()));
}

void MainWindowTest::loadThenSaveKeepsEveryByte_data() {
    QTest::addColumn<QByteArray>("earlier"); // loaded first, if any
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected"); // the record afterwards

    QTest::newRow("20 bytes outside every range") << QByteArray() << kOddBytes << kOddBytes;
    QTest::newRow("30 bytes: the first 20 count")
        << QByteArray() << kOddBytes + QByteArray::fromHex("01020304050607080910") << kOddBytes;
    QTest::newRow("5 bytes over the factory setting")
        << QByteArray() << QByteArray::fromHex("0908070605")
        << QByteArray::fromHex("0908070605") + kFactorySetting.mid(5);
    QTest::newRow("5 bytes over an earlier file")
        << kOddBytes << QByteArray::fromHex("0102030405")
        << QByteArray::fromHex("0102030405") + kOddBytes.mid(5);
    QByteArray withEof = kFactorySetting;
    withEof[0] = withEof[12] = withEof[17] = 26; // 13.0 V and 2.6 Ah
    QTest::newRow("byte 26 first and inside") << QByteArray() << withEof << withEof;
}

void MainWindowTest::loadThenSaveKeepsEveryByte() {
    QFETCH(QByteArray, earlier);
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    if (!earlier.isEmpty()) {
        WriteBytes(folder.file(QStringLiteral("earlier.hex")), earlier);
        Load(window, dialogs, folder.file(QStringLiteral("earlier.hex")));
    }
    WriteBytes(folder.file(QStringLiteral("VOLANTRI.HEX")), file);
    Load(window, dialogs, folder.file(QStringLiteral("VOLANTRI.HEX")));

    QCOMPARE(RecordBytes(window).toHex(' '), expected.toHex(' '));
    QCOMPARE(ControlStates(&window.setupEditor()), StatesOfWindowThatLoaded(expected, folder));
    QDir(folder.path()).mkdir(QStringLiteral("out"));
    QString out = folder.file(QStringLiteral("out"));
    QCOMPARE(SaveInto(window, dialogs, out).toHex(' '), expected.toHex(' '));
    QCOMPARE(SaveInto(window, dialogs, out).toHex(' '), expected.toHex(' '));
    QCOMPARE(dialogs.errors, QStringList());
    QCOMPARE(dialogs.informations, QStringList());
}

void MainWindowTest::emptyFileIsRejectedAndTheFactorySettingFollows() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    WriteBytes(folder.file(QStringLiteral("odd.hex")), kOddBytes);
    Load(window, dialogs, folder.file(QStringLiteral("odd.hex")));
    WriteBytes(folder.file(QStringLiteral("empty.hex")), QByteArray());
    Load(window, dialogs, folder.file(QStringLiteral("empty.hex")));

    QCOMPARE(dialogs.informations,
             QStringList{QStringLiteral("Keine gültige Volantrix Setup-Datei!")});
    QCOMPARE(RecordBytes(window).toHex(' '), kFactorySetting.toHex(' '));
    TForm1 fresh;
    QCOMPARE(ControlStates(&window.setupEditor()), ControlStates(&fresh.setupEditor()));
}

void MainWindowTest::missingFileLeavesRecordAndWindowUnchanged() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    WriteBytes(folder.file(QStringLiteral("odd.hex")), kOddBytes);
    Load(window, dialogs, folder.file(QStringLiteral("odd.hex")));
    QStringList shown = ControlStates(&window.setupEditor());

    Load(window, dialogs, folder.file(QStringLiteral("GIBTSNICHT.HEX")));
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("Datei nicht gefunden")});
    QCOMPARE(RecordBytes(window).toHex(' '), kOddBytes.toHex(' '));
    QCOMPARE(ControlStates(&window.setupEditor()), shown);
    QCOMPARE(dialogs.informations, QStringList());
}

void MainWindowTest::saveIntoFolderThroughRegularFileFails() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    WriteBytes(folder.file(QStringLiteral("plain")), "x");
    dialogs.Answer(folder.file(QStringLiteral("plain/VOLANTRI.HEX")));
    Trigger(window, "Setupspeichern1");
    QCOMPARE(dialogs.errors, QStringList{QStringLiteral("E/A-Fehler 20")}); // ENOTDIR
    QCOMPARE(folder.Listing(), QStringList{QStringLiteral("plain")});
    QCOMPARE(RecordBytes(window).toHex(' '), kFactorySetting.toHex(' '));
}

void MainWindowTest::saveUnderTypedNameWritesVolantriHexOnly() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    WriteBytes(folder.file(QStringLiteral("VOLANTRI.HEX")), "an older setup, longer than 20 bytes");
    dialogs.Answer(folder.file(QStringLiteral("meinsetup.bin")));
    Trigger(window, "Setupspeichern1");
    dialogs.Answer(folder.file(QStringLiteral("anderer.hex")));
    Trigger(window, "Setupspeichern1");

    QCOMPARE(folder.Listing(), QStringList{QStringLiteral("VOLANTRI.HEX")});
    QCOMPARE(ReadBytes(folder.file(QStringLiteral("VOLANTRI.HEX"))).toHex(' '),
             kFactorySetting.toHex(' '));
    // The dialog proposes the fixed name every time, whatever was typed before.
    QCOMPARE(dialogs.savePresets,
             (QStringList{QStringLiteral("VOLANTRI.HEX"), QStringLiteral("VOLANTRI.HEX")}));
}

void MainWindowTest::cancelledDialogsChangeNothing() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    WriteBytes(folder.file(QStringLiteral("odd.hex")), kOddBytes);
    Load(window, dialogs, folder.file(QStringLiteral("odd.hex")));
    dialogs.Answer(std::nullopt);
    Trigger(window, "Setupladen1");
    dialogs.Answer(std::nullopt);
    Trigger(window, "Setupspeichern1");
    QCOMPARE(RecordBytes(window).toHex(' '), kOddBytes.toHex(' '));
    QCOMPARE(folder.Listing(), QStringList{QStringLiteral("odd.hex")});
    QCOMPARE(dialogs.errors, QStringList());
    QCOMPARE(dialogs.informations, QStringList());
    QCOMPARE(dialogs.unanswered, 0);
}

void MainWindowTest::setupDialogOffersItsFilterAndThePreviousFile() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    QString first = folder.file(QStringLiteral("A.HEX"));
    WriteBytes(first, kOddBytes);
    Load(window, dialogs, first);
    dialogs.Answer(std::nullopt);
    Trigger(window, "Setupladen1");

    QCOMPARE(dialogs.openRequests.size(), 2);
    for (const ScriptedDialogs::OpenRequest& request : dialogs.openRequests)
        QCOMPARE(request.filter, QStringLiteral("Volantrix Setup-Datei (VOLANTRI.HEX)|VOLANTRI.HEX|"
                                                "Alle HEX-Dateien|*.HEX|Alle Dateien (*.*)|*.*"));
    QCOMPARE(dialogs.openRequests[0].previous, QString());
    QCOMPARE(dialogs.openRequests[1].previous, first);
}

void MainWindowTest::defaultsCommandRestoresFactorySetting() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    WriteBytes(folder.file(QStringLiteral("odd.hex")), kOddBytes);
    Load(window, dialogs, folder.file(QStringLiteral("odd.hex")));
    Trigger(window, "SetupGrundeinstellung1");
    QCOMPARE(RecordBytes(window).toHex(' '), kFactorySetting.toHex(' '));
    TForm1 fresh;
    QCOMPARE(ControlStates(&window.setupEditor()), ControlStates(&fresh.setupEditor()));
    QCOMPARE(folder.Listing(), QStringList{QStringLiteral("odd.hex")});
}

void MainWindowTest::resizeSavesSettingsAndMoveDoesNot() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    window.show();
    ResizeOuter(window, 700, 500);
    const QString ini = folder.settingsFile();
    const std::pair<const char*, const char*> saved[] = {
        {"Top", "55"},       {"Left", "945"},    {"Width", "700"}, {"Height", "500"},
        {"FW_Version", "0"}, {"OptionInt", "0"}, {"english", "0"}};
    for (const auto& [key, value] : saved)
        QCOMPARE(IniValue(ini, QString::fromLatin1(key)),
                 std::optional(QString::fromLatin1(value)));

    window.move(100, 120);
    QCOMPARE(IniValue(ini, QStringLiteral("Left")), std::optional(QStringLiteral("945")));
    ResizeOuter(window, 640, 480);
    QCOMPARE(IniValue(ini, QStringLiteral("Left")), std::optional(QStringLiteral("100")));
    QCOMPARE(IniValue(ini, QStringLiteral("Top")), std::optional(QStringLiteral("120")));
    QCOMPARE(IniValue(ini, QStringLiteral("Width")), std::optional(QStringLiteral("640")));
    QCOMPARE(dialogs.errors, QStringList());
}

void MainWindowTest::titleBarCloseKeepsLastSavedGeometry() {
    TestFolder folder;
    {
        TForm1 window;
        window.show();
        ResizeOuter(window, 700, 500);
        window.move(100, 120);
        QVERIFY(window.close());
    }
    TForm1 restarted;
    restarted.show();
    QCOMPARE(restarted.frameGeometry(), QRect(945, 55, 700, 500));
}

void MainWindowTest::exitSavesGeometryThenCloses() {
    TestFolder folder;
    {
        ScriptedDialogs dialogs;
        TForm1 window;
        window.show();
        window.move(100, 120);
        Trigger(window, "Proframmbeenden1");
        QVERIFY(!window.isVisible());
        QCOMPARE(dialogs.errors, QStringList());
    }
    TForm1 restarted;
    restarted.show();
    QCOMPARE(restarted.frameGeometry(), QRect(100, 120, 868, 852));
}

void MainWindowTest::exitWithUnwritableSettingsKeepsRunning() {
    TestFolder folder;
    WriteBytes(folder.file(QStringLiteral("plain")), "x");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.file(QStringLiteral("plain/config"))));
    ScriptedDialogs dialogs;
    TForm1 window;
    window.show();
    Trigger(window, "Proframmbeenden1");
    QCOMPARE(dialogs.errors, QStringList{kNotWritable});
    QVERIFY(window.isVisible());
    // A resize reports the same failure and the window keeps its new size.
    ResizeOuter(window, 700, 500);
    QCOMPARE(dialogs.errors, (QStringList{kNotWritable, kNotWritable}));
    QCOMPARE(window.frameGeometry().size(), QSize(700, 500));
    // Closing by the title bar still ends it.
    QVERIFY(window.close());
    QCOMPARE(dialogs.errors.size(), 2);
}

void MainWindowTest::windowTakesGeometryFromSettingsFile() {
    TestFolder folder;
    WriteBytes(folder.settingsFile(), "[Top]\r\nTop=0x20\r\n[Left]\r\nLeft=-100\r\n[Other]\r\n"
                                      "Width=300\r\n[Width]\r\nWidth=600\r\n[Height]\r\n"
                                      "Height=400\r\n[OptionInt]\r\nOptionInt=1\r\n");
    TForm1 window;
    window.show();
    QCOMPARE(window.frameGeometry(), QRect(-100, 32, 600, 400));
    QCOMPARE(window.toolSettings().OptionInt, 1);
}

void MainWindowTest::languageCommandsOnlyStoreTheChoice() {
    TestFolder folder;
    WriteBytes(folder.settingsFile(), "[english]\nenglish=7\n");
    ScriptedDialogs dialogs;
    const QString ini = folder.settingsFile();
    {
        TForm1 window;
        window.show();
        ResizeOuter(window, 700, 500);
        QCOMPARE(IniValue(ini, QStringLiteral("english")), std::optional(QStringLiteral("7")));
        Trigger(window, "english1");
        QCOMPARE(IniValue(ini, QStringLiteral("english")), std::optional(QStringLiteral("1")));
    }
    TForm1 restarted;
    QCOMPARE(restarted.toolSettings().english, 1);
    QCOMPARE(restarted.windowTitle(), kStartCaption);
    QCOMPARE(restarted.menuBar()->actions().first()->text(), QStringLiteral("Datei"));
    QCOMPARE(RecordBytes(restarted).toHex(' '), kFactorySetting.toHex(' '));
    Trigger(restarted, "deutsch1");
    QCOMPARE(IniValue(ini, QStringLiteral("english")), std::optional(QStringLiteral("0")));
    QCOMPARE(dialogs.errors, QStringList());
    QCOMPARE(dialogs.informations, QStringList());
}

void MainWindowTest::firmwareCommandRightAfterStart() {
    TestFolder folder;
    WriteBytes(folder.settingsFile(), "[OptionInt]\nOptionInt=1\n");
    const QString ini = folder.settingsFile();
    {
        ScriptedDialogs dialogs;
        TForm1 window;
        Trigger(window, "bisV407x1");
        QCOMPARE(window.windowTitle(), kFirmwareCaption);
        QCOMPARE(IniValue(ini, QStringLiteral("FW_Version")), std::optional(QStringLiteral("1")));
        QCOMPARE(IniValue(ini, QStringLiteral("OptionInt")), std::optional(QStringLiteral("0")));
        QCOMPARE(RecordBytes(window).toHex(' '), kFactorySetting.toHex(' '));
        auto* checkBox4 = Control<QCheckBox>(window, "CheckBox4");
        auto* memo13 = Control<QLineEdit>(window, "Memo13");
        auto* checkBox5 = Control<QCheckBox>(window, "CheckBox5");
        auto* memo15 = Control<QLineEdit>(window, "Memo15");
        QVERIFY(checkBox4 && memo13 && checkBox5 && memo15);
        QVERIFY(!checkBox4->isChecked());
        QCOMPARE(memo13->text(), QStringLiteral("3"));
        QVERIFY(checkBox5->isChecked());
        QCOMPARE(memo15->text(), QString());
        QCOMPARE(dialogs.informations, QStringList());
        QCOMPARE(dialogs.errors, QStringList());
        // A second time changes nothing further.
        QStringList shown = ControlStates(&window.setupEditor());
        Trigger(window, "bisV407x1");
        QCOMPARE(ControlStates(&window.setupEditor()), shown);
        QCOMPARE(window.windowTitle(), kFirmwareCaption);
    }
    TForm1 restarted;
    QCOMPARE(restarted.windowTitle(), kStartCaption);
    QCOMPARE(restarted.toolSettings().FirmwareVersion, 1);
}

void MainWindowTest::firmwareCommandResetsLoadedSetup_data() {
    QTest::addColumn<int>("byteIndex");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("byte13After");

    // Relative values with the extra announcement at every 5th: mode 2 stays, the extra goes.
    QTest::newRow("byte 13 = 6") << 13 << 6 << 2;
    QTest::newRow("byte 13 = 3") << 13 << 3 << 1;
    QTest::newRow("capacity alarm 50 %") << 18 << 50 << 1;
}

void MainWindowTest::firmwareCommandResetsLoadedSetup() {
    QFETCH(int, byteIndex);
    QFETCH(int, loaded);
    QFETCH(int, byte13After);
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    QByteArray file = kFactorySetting;
    file[byteIndex] = char(loaded);
    file[17] = char(0x85); // something the reset must undo in a group it presents again
    WriteBytes(folder.file(QStringLiteral("setup.hex")), file);
    Load(window, dialogs, folder.file(QStringLiteral("setup.hex")));
    auto* spin9 = Control<vx::ui::UpDown>(window, "UpDown9");
    auto* checkBox4 = Control<QCheckBox>(window, "CheckBox4");
    auto* memo10 = Control<QLineEdit>(window, "Memo10");
    auto* checkBox5 = Control<QCheckBox>(window, "CheckBox5");
    auto* memo15 = Control<QLineEdit>(window, "Memo15");
    QVERIFY(spin9 && checkBox4 && memo10 && checkBox5 && memo15);
    const int spinBefore = spin9->position();

    Trigger(window, "bisV407x1");
    QByteArray expected = kFactorySetting;
    expected[13] = char(byte13After);
    QCOMPARE(RecordBytes(window).toHex(' '), expected.toHex(' '));
    QVERIFY(!checkBox4->isChecked());
    QCOMPARE(memo10->text(), QString());
    QCOMPARE(spin9->position(), spinBefore);
    QVERIFY(checkBox5->isChecked());
    QCOMPARE(memo15->text(), QString());
    // Every group other than Setup 13 shows what a fresh start shows for the same record.
    const QStringList setup13 = {QStringLiteral("CheckBox4 "), QStringLiteral("Memo10 "),
                                 QStringLiteral("RadioButton21 "),
                                 QStringLiteral("RadioButton22 ")};
    QCOMPARE(Without(ControlStates(&window.setupEditor()), setup13),
             Without(StatesOfWindowThatLoaded(expected, folder), setup13));
}

void MainWindowTest::firmwareCommandPutsIdleAltitudeSpinBackToOne() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    window.show();
    auto* spin = Control<vx::ui::UpDown>(window, "UpDown9");
    QVERIFY(spin);
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    QCOMPARE(spin->position(), 3);
    QCOMPARE(int(window.setupRecord().IntegralVarioAnnouncements), 1);

    Trigger(window, "bisV407x1");
    QCOMPARE(spin->position(), 1);
    QCOMPARE(int(window.setupRecord().IntegralVarioAnnouncements), 1);
}

void MainWindowTest::firmwareCommandWithUnwritableSettingsStopsAfterReset() {
    TestFolder folder;
    WriteBytes(folder.file(QStringLiteral("odd.hex")), kOddBytes);
    WriteBytes(folder.file(QStringLiteral("plain")), "x");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.file(QStringLiteral("plain/config"))));
    ScriptedDialogs dialogs;
    TForm1 window;
    Load(window, dialogs, folder.file(QStringLiteral("odd.hex")));
    QStringList shown = ControlStates(&window.setupEditor());

    Trigger(window, "bisV407x1");
    QCOMPARE(dialogs.errors, QStringList{kNotWritable});
    QCOMPARE(window.toolSettings().FirmwareVersion, 1);
    QCOMPARE(window.toolSettings().OptionInt, 0);
    QCOMPARE(RecordBytes(window).toHex(' '), kFactorySetting.toHex(' '));
    QCOMPARE(window.windowTitle(), kStartCaption);
    QCOMPARE(ControlStates(&window.setupEditor()), shown);
}

void MainWindowTest::informationBoxShowsFiveLines() {
    TestFolder folder;
    ScriptedDialogs dialogs;
    TForm1 window;
    Trigger(window, "Info1");
    QCOMPARE(
        dialogs.informations,
        QStringList{QStringLiteral("VolantrixTool für brelvik Variometer Volantrix\r"
                                   "V0.394\r"
                                   "Zur Setup-Erstellung und Konvertierung der Logger-Daten\r"
                                   "© brelvik\r"
                                   "Download unter User Info bei https://www.brelvik.example")});
    QCOMPARE(RecordBytes(window).toHex(' '), kFactorySetting.toHex(' '));
    QVERIFY(!QFileInfo::exists(folder.settingsFile()));
}

void MainWindowTest::addressWindowIsShownOnceAndKeepsItsValues() {
    TestFolder folder;
    TForm1 window;
    TForm2 addresses;
    window.SetAddressWindow(&addresses);
    window.show();
    QVERIFY(!addresses.isVisible());
    auto* spin = addresses.findChild<vx::ui::UpDown*>(QStringLiteral("UpDown3"));
    QVERIFY(spin);

    Trigger(window, "MLinkAdressenndern1");
    QVERIFY(addresses.isVisible());
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
    addresses.close();
    QVERIFY(!addresses.isVisible());
    Trigger(window, "MLinkAdressenndern1");
    Trigger(window, "MLinkAdressenndern1");

    QVERIFY(addresses.isVisible());
    int shownAddressWindows = 0;
    for (QWidget* topLevel : QApplication::topLevelWidgets())
        shownAddressWindows += qobject_cast<TForm2*>(topLevel) && topLevel->isVisible();
    QCOMPARE(shownAddressWindows, 1);
    QCOMPARE(int(addresses.addressRecord().bytes[2]), 3);
    QCOMPARE(addresses.findChild<QLineEdit*>(QStringLiteral("Memo3"))->text(), QStringLiteral("3"));
}

void MainWindowTest::closingMainWindowEndsProgramWhileAddressWindowIsOpen() {
    TestFolder folder;
    TForm1 window;
    TForm2 addresses;
    window.SetAddressWindow(&addresses);
    window.show();
    Trigger(window, "MLinkAdressenndern1");
    QVERIFY(addresses.isVisible());
    // Closed by the title bar from inside the running program: the event loop ends.
    QTimer::singleShot(0, &window, [&window] { window.close(); });
    QCOMPARE(QApplication::exec(), 0);
    QVERIFY(!window.isVisible());
    QVERIFY(!QFileInfo::exists(folder.settingsFile()));
}

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
