// The setup editor in use: a user's presses, ticks and choices, and records loaded from files,
// each checked against the bytes of the record and what the controls show.

#include "EditorDriver.h"

#include <QTest>

#include <cstdint>

using vx::test::EditorUnderTest;
using vx::test::Scenario;

namespace {

void AddRow(const char* name, const char* steps, const char* expected) {
    QTest::newRow(name) << QString::fromUtf8(steps) << QString::fromUtf8(expected);
}

vx::SetupRecord RecordFromHex(const QByteArray& hex) {
    const QByteArray raw = QByteArray::fromHex(hex);
    vx::SetupBytes bytes{};
    for (std::size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<std::uint8_t>(raw.at(static_cast<qsizetype>(i)));
    return vx::FromBytes(bytes);
}

} // namespace

class SetupEditorScenarios : public QObject {
    Q_OBJECT

  private slots:
    void startUpShowsFactorySetting();
    void optionalSetups_data();
    void optionalSetups();
    void announcementsAndVario_data();
    void announcementsAndVario();
    void integralVarioAnnouncements_data();
    void integralVarioAnnouncements();
    void alarmsAndSensors_data();
    void alarmsAndSensors();
    void capacity_data();
    void capacity();
    void firmwareChoice_data();
    void firmwareChoice();
    void presentingNeverChangesTheRecord_data();
    void presentingNeverChangesTheRecord();

  private:
    static void Columns();
    static void RunRow();
};

void SetupEditorScenarios::Columns() {
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("expected");
}

void SetupEditorScenarios::RunRow() {
    QFETCH(QString, steps);
    QFETCH(QString, expected);
    EditorUnderTest e;
    Scenario scenario(e);
    scenario.Run(steps);
    scenario.Check(expected);
    QVERIFY2(scenario.Failures().isEmpty(),
             qPrintable(scenario.Failures().join(QStringLiteral("; "))));
}

void SetupEditorScenarios::startUpShowsFactorySetting() {
    EditorUnderTest e;
    Scenario scenario(e);
    scenario.Check(QStringLiteral(
        "others=defaults Memo2=1 UpDown1@1 RadioButton40=on RadioButton37=off RadioButton34=on "
        "Memo3=60 UpDown2@60 Memo4=20 UpDown3@20 Memo5=20 UpDown4@20 CheckBox1=off "
        "RadioButton1=on RadioButton3=on Memo6=4,7 UpDown5@47 Memo7=0 UpDown6@0 RadioButton7=on "
        "RadioButton11=on RadioButton19=on CheckBox2=on Memo8= CheckBox3=on Memo9= "
        "RadioButton21=on CheckBox4=off Memo10= UpDown9@1 mode=1 index=0 RadioButton24=on "
        "RadioButton26=on Memo13=3 UpDown10@3 Memo14= UpDown11@5 CheckBox6=off CheckBox5=on "
        "Memo15= UpDown12@20"));
    QVERIFY2(scenario.Failures().isEmpty(),
             qPrintable(scenario.Failures().join(QStringLiteral("; "))));
}

// Byte 0 (warning level and serial output) and byte 19 (the pulse set).
void SetupEditorScenarios::optionalSetups_data() {
    Columns();
    AddRow("level up with NMEA", "RadioButton37 UpDown1+",
           "[0]=10 Memo2=2 UpDown1@2 RadioButton37=on");
    AddRow("LogView at level 3", "UpDown1+*2 RadioButton38", "[0]=19 Memo2=3 RadioButton40=off");
    AddRow("back to no output", "UpDown1+*2 RadioButton38 RadioButton40",
           "[0]=3 Memo2=3 RadioButton38=off RadioButton40=on");
    AddRow("SkyNav", "RadioButton39", "[0]=33 Memo2=1");
    AddRow("level stops at 3", "UpDown1+*5", "[0]=3 Memo2=3 UpDown1@3");
    AddRow("level stops at 0", "UpDown1-*3", "[0]=0 Memo2=0 UpDown1@0");
    AddRow("loaded 24 shows LogView", "load:0=24",
           "[0]=24 Memo2=0 UpDown1@0 RadioButton38=on RadioButton37=off RadioButton40=off");
    AddRow("loaded 56 shows the highest bit", "load:0=56",
           "[0]=56 RadioButton39=on RadioButton38=off RadioButton37=off RadioButton40=off");
    AddRow("loaded 24 then a press keeps only the shown bit", "load:0=24 UpDown1+",
           "[0]=17 Memo2=1");
    AddRow("loaded 7 held at 3", "load:0=7", "[0]=7 Memo2=7 UpDown1@3 RadioButton40=on");
    AddRow("loaded 7 then down", "load:0=7 UpDown1-", "[0]=2 Memo2=2 UpDown1@2");
    AddRow("loaded high bits dropped by a handler", "load:0=201 UpDown1+",
           "[0]=10 Memo2=2 RadioButton37=on");
    AddRow("loaded output replaced by none at the held level", "load:0=20 RadioButton40",
           "[0]=3 RadioButton38=off Memo2=3");
    AddRow("pulse set: second", "RadioButton35", "[19]=1 RadioButton34=off RadioButton40=on");
    AddRow(
        "pulse set leaves the other groups alone", "RadioButton36",
        "[19]=2 RadioButton1=on RadioButton3=on RadioButton7=on RadioButton11=on RadioButton21=on "
        "RadioButton24=on RadioButton26=on RadioButton19=on RadioButton40=on");
    AddRow("selected pulse button again runs nothing", "load:19=7 RadioButton34",
           "[19]=7 RadioButton34=on");
    AddRow("pulse set: third", "RadioButton36", "[19]=2 RadioButton35=off");
    AddRow("pulse set: back to first", "RadioButton36 RadioButton34", "[19]=0 RadioButton36=off");
    AddRow("serial output leaves the pulse set", "RadioButton38", "[0]=17 RadioButton34=on");
    AddRow("loaded 19=2", "load:19=2", "[19]=2 RadioButton36=on RadioButton34=off");
    AddRow("loaded 19=5 keeps the selection", "RadioButton35 load:19=5", "[19]=5 RadioButton35=on");
}

void SetupEditorScenarios::optionalSetups() {
    RunRow();
}

// Setups 1 to 5 and 8.
void SetupEditorScenarios::announcementsAndVario_data() {
    Columns();
    AddRow("setup 1 up", "UpDown2+", "[1]=70 Memo3=70 UpDown2@70");
    AddRow("setup 1 stops at 120", "UpDown2+*7", "[1]=120 Memo3=120 UpDown2@120");
    AddRow("setup 1 down to 0", "UpDown2-*7", "[1]=0 Memo3=0 UpDown2@0");
    AddRow("setup 1 loaded 200", "load:1=200", "[1]=200 Memo3=200 UpDown2@120");
    AddRow("setup 1 loaded 200 then down", "load:1=200 UpDown2-", "[1]=110 Memo3=110");
    AddRow("setup 1 off the steps", "load:1=65 UpDown2+", "[1]=75 Memo3=75");
    AddRow("setup 1 off the steps stops at 120", "load:1=65 UpDown2+*6", "[1]=120 Memo3=120");
    AddRow("setup 2 stops at 10", "UpDown3-*3", "[2]=10 Memo4=10 UpDown3@10");
    AddRow("setup 2 stops at 60", "UpDown3+*5", "[2]=60 Memo4=60");
    AddRow("setup 2 loaded 5, down changes nothing", "load:2=5 UpDown3-",
           "[2]=5 Memo4=5 UpDown3@10");
    AddRow("setup 3 tick", "CheckBox1", "[3]=60 Memo5= CheckBox1=on");
    AddRow("setup 3 press while ticked", "CheckBox1 UpDown4+ UpDown4+",
           "[3]=60 Memo5= UpDown4@30 CheckBox1=on");
    AddRow("setup 3 untick", "CheckBox1 UpDown4- CheckBox1",
           "[3]=20 Memo5=20 UpDown4@20 CheckBox1=off");
    AddRow("setup 3 stops at 30", "UpDown4+*3", "[3]=30 Memo5=30 UpDown4@30");
    AddRow("setup 3 stops at 5", "UpDown4-*4", "[3]=5 Memo5=5");
    AddRow("setup 3 loaded 60 is no announcement", "UpDown4+ load:3=60",
           "[3]=60 Memo5= CheckBox1=on UpDown4@25");
    AddRow("setup 3 loaded 0 is no announcement", "load:3=0",
           "[3]=0 Memo5= CheckBox1=on UpDown4@20");
    AddRow("setup 3 loaded 0 then untick", "load:3=0 CheckBox1", "[3]=20 Memo5=20 CheckBox1=off");
    AddRow("setup 3 loaded 45", "CheckBox1 load:3=45", "[3]=45 Memo5=45 CheckBox1=off UpDown4@30");
    AddRow("setup 4 speed button", "RadioButton31", "[4]=4 RadioButton31=on RadioButton1=off");
    AddRow("setup 4 maximum", "RadioButton2", "[4]=2");
    AddRow("setup 4 all speeds", "RadioButton30 RadioButton32 RadioButton33",
           "[4]=6 RadioButton30=off");
    AddRow("setup 4 loaded 7 keeps the selection", "RadioButton33 load:4=7",
           "[4]=7 RadioButton33=on");
    AddRow("setup 4 loaded 3", "load:4=3", "[4]=3 RadioButton30=on RadioButton1=off");
    AddRow("setup 4 selected button again runs nothing", "load:4=9 RadioButton1",
           "[4]=9 RadioButton1=on");
    AddRow("setup 5 buttons", "RadioButton29", "[5]=4 RadioButton3=off");
    AddRow("setup 5 third", "RadioButton5", "[5]=3");
    AddRow("setup 5 second", "RadioButton4", "[5]=2");
    AddRow("setup 5 loaded 0 keeps the selection", "RadioButton4 load:5=0",
           "[5]=0 RadioButton4=on");
    AddRow("setup 8 altimeter", "RadioButton6", "[8]=0 RadioButton7=off");
    AddRow("setup 8 last", "RadioButton10", "[8]=4");
    AddRow("setup 8 loaded 3", "load:8=3", "[8]=3 RadioButton9=on RadioButton7=off");
    AddRow("setup 8 loaded 5 keeps the selection", "RadioButton8 load:8=5",
           "[8]=5 RadioButton8=on");
}

void SetupEditorScenarios::announcementsAndVario() {
    RunRow();
}

// Setup 13: byte 13 as 2 x index + mode.
void SetupEditorScenarios::integralVarioAnnouncements_data() {
    Columns();
    AddRow("relative values", "RadioButton22", "[13]=2 mode=2 RadioButton21=off");
    AddRow("relative, every 5th", "RadioButton22 UpDown9+ CheckBox4",
           "[13]=6 Memo10=5 index=2 CheckBox4=on");
    AddRow("relative, every 5th, off again", "RadioButton22 UpDown9+ CheckBox4 CheckBox4",
           "[13]=2 Memo10= index=0 UpDown9@2");
    AddRow("presses while off keep storing the mode",
           "RadioButton22 UpDown9+ CheckBox4 CheckBox4 UpDown9+",
           "[13]=2 Memo10= UpDown9@3 index=0");
    AddRow("every 2nd", "CheckBox4", "[13]=3 Memo10=2 index=1");
    AddRow("every 10th", "CheckBox4 UpDown9+*2", "[13]=7 Memo10=10 index=3 UpDown9@3");
    AddRow("spin stops at 3", "CheckBox4 UpDown9+*4", "[13]=7 UpDown9@3");
    AddRow("mode change keeps the index", "CheckBox4 UpDown9+*2 RadioButton22", "[13]=8 mode=2");
    AddRow("loaded 0", "load:13=0",
           "[13]=0 mode=0 index=0 RadioButton21=on CheckBox4=off Memo10= UpDown9@1");
    AddRow("loaded 0 then tick", "load:13=0 CheckBox4", "[13]=2 Memo10=2 mode=0 index=1");
    AddRow("loaded 0 keeps relative", "RadioButton22 load:13=0", "[13]=0 RadioButton22=on mode=0");
    AddRow("loaded 4", "load:13=4",
           "[13]=4 mode=2 index=1 RadioButton22=on CheckBox4=on Memo10=2 UpDown9@1");
    AddRow("loaded 8", "load:13=8", "[13]=8 mode=2 index=3 CheckBox4=on Memo10=10 UpDown9@3");
    AddRow("loaded 9 keeps the text", "CheckBox4 load:13=9",
           "[13]=9 mode=1 index=4 RadioButton21=on UpDown9@3 CheckBox4=on Memo10=2");
    AddRow("loaded 9 then relative", "load:13=9 RadioButton22", "[13]=10 mode=2");
    AddRow("loaded 255 then relative wraps to 8 bits", "load:13=255 RadioButton22",
           "[13]=0 index=127");
    AddRow("loaded 1 after relative", "RadioButton22 load:13=1",
           "[13]=1 RadioButton21=on mode=1 CheckBox4=off");
}

void SetupEditorScenarios::integralVarioAnnouncements() {
    RunRow();
}

// Setups 6, 7, 9 to 12 and 14 to 16, 18.
void SetupEditorScenarios::alarmsAndSensors_data() {
    Columns();
    AddRow("setup 6 up", "UpDown5+", "[6]=48 Memo6=4,8");
    AddRow("setup 6 stops at 4,4", "UpDown5-*4", "[6]=44 Memo6=4,4 UpDown5@44");
    AddRow("setup 6 stops at 9", "load:6=89 UpDown5+*2", "[6]=90 Memo6=9 UpDown5@90");
    AddRow("setup 6 loaded 120", "load:6=120", "[6]=120 Memo6=12 UpDown5@90");
    AddRow("setup 6 loaded 120 then down", "load:6=120 UpDown5-", "[6]=89 Memo6=8,9");
    AddRow("setup 6 loaded 255", "load:6=255", "[6]=255 Memo6=25,5");
    AddRow("setup 7 up at 0 changes nothing", "UpDown6+", "[7]=0 Memo7=0 UpDown6@0");
    AddRow("setup 7 down", "UpDown6-", "[7]=1 Memo7=-0,1 UpDown6@1");
    AddRow("setup 7 stops at -2", "UpDown6-*21", "[7]=20 Memo7=-2 UpDown6@20");
    AddRow("setup 7 loaded 5", "load:7=5", "[7]=5 Memo7=-0,5 UpDown6@5");
    AddRow("setup 7 loaded 5 then up", "load:7=5 UpDown6+", "[7]=4 Memo7=-0,4");
    AddRow("setup 7 loaded 30", "load:7=30 UpDown6+", "[7]=19 Memo7=-1,9");
    AddRow("setup 9 choice", "RadioButton12", "[9]=1 RadioButton11=off");
    AddRow("setup 9 last", "RadioButton16", "[9]=5");
    AddRow("setup 9 without sensor switches setup 12 off",
           "RadioButton12 CheckBox3 UpDown8+*10 RadioButton11",
           "[9]=0 [12]=0 CheckBox3=on Memo9= UpDown8@10");
    AddRow("setup 9 without sensor clicked again runs nothing",
           "RadioButton12 RadioButton11 CheckBox3 UpDown8+*10 RadioButton11",
           "[9]=0 [12]=20 CheckBox3=off Memo9=10 UpDown8@20");
    AddRow("setup 9 loaded 0 with setup 12 at 20", "RadioButton12 load:9=0,12=20",
           "[9]=0 [12]=20 RadioButton11=on CheckBox3=off Memo9=10 UpDown8@20");
    AddRow("setup 9 loaded 6 keeps the selection", "RadioButton14 load:9=6",
           "[9]=6 RadioButton14=on");
    AddRow("setup 10 last", "RadioButton28", "[10]=4 RadioButton19=off");
    AddRow("setup 10 values", "RadioButton17", "[10]=1");
    AddRow("setup 10 value 2", "RadioButton18", "[10]=2");
    AddRow("setup 10 value 3", "RadioButton20", "[10]=3");
    AddRow("setup 10 loaded 9 keeps the selection", "RadioButton20 load:10=9",
           "[10]=9 RadioButton20=on");
    AddRow("setup 10 loaded 0", "RadioButton20 load:10=0", "[10]=0 RadioButton19=on");
    AddRow("setup 11 untick shows 0", "CheckBox2", "[11]=0 Memo8=0 UpDown7@5 CheckBox2=off");
    AddRow("setup 11 untick then up", "CheckBox2 UpDown7+", "[11]=10 Memo8=10");
    AddRow("setup 11 untick then down changes nothing", "CheckBox2 UpDown7-",
           "[11]=0 Memo8=0 UpDown7@5");
    AddRow("setup 11 stops at 125", "CheckBox2 UpDown7+*30", "[11]=125 Memo8=125");
    AddRow("setup 11 tick again", "CheckBox2 UpDown7+*3 CheckBox2",
           "[11]=0 Memo8= UpDown7@5 CheckBox2=on");
    AddRow("setup 11 press while ticked", "UpDown7+", "[11]=0 Memo8= UpDown7@10");
    AddRow("setup 11 loaded 7", "load:11=7", "[11]=7 Memo8=7 UpDown7@7 CheckBox2=off");
    AddRow("setup 11 loaded 7 then up", "load:11=7 UpDown7+", "[11]=12 Memo8=12");
    AddRow("setup 11 loaded 7 then down", "load:11=7 UpDown7-", "[11]=5 Memo8=5");
    AddRow("setup 11 loaded 200", "load:11=200 UpDown7-", "[11]=120 Memo8=120");
    AddRow("setup 11 loaded 40 ticked and unticked", "load:11=40 CheckBox2 CheckBox2",
           "[11]=0 Memo8=0 UpDown7@5");
    AddRow("setup 11 loaded 0 keeps the spin", "CheckBox2 UpDown7+*3 load:11=0",
           "[11]=0 Memo8= CheckBox2=on UpDown7@20");
    AddRow("setup 12 untick then up", "CheckBox3 UpDown8+", "[12]=11 Memo9=5,5 CheckBox3=off");
    AddRow("setup 12 untick shows 0", "CheckBox3", "[12]=0 Memo9=0 UpDown8@10");
    AddRow("setup 12 stops at 50", "CheckBox3 UpDown8+*95", "[12]=100 Memo9=50 UpDown8@100");
    AddRow("setup 12 press while ticked", "UpDown8+", "[12]=0 Memo9= UpDown8@11");
    AddRow("setup 12 loaded 21", "load:12=21", "[12]=21 Memo9=10,5 CheckBox3=off UpDown8@21");
    AddRow("setup 12 loaded 5", "load:12=5 UpDown8-", "[12]=5 Memo9=2,5 UpDown8@10");
    AddRow("setup 12 loaded 5 then up", "load:12=5 UpDown8+", "[12]=11 Memo9=5,5");
    AddRow("setup 12 loaded 0 keeps the spin", "CheckBox3 UpDown8+*5 load:12=0",
           "[12]=0 Memo9= CheckBox3=on UpDown8@15");
    AddRow("setup 14 receiver sensor", "RadioButton41", "[14]=4 RadioButton24=off");
    AddRow("setup 14 first", "RadioButton23", "[14]=1");
    AddRow("setup 14 third", "RadioButton25", "[14]=3");
    AddRow("setup 14 loaded 0 keeps the selection", "RadioButton25 load:14=0",
           "[14]=0 RadioButton25=on");
    AddRow("setup 15 feet", "RadioButton27", "[15]=0 RadioButton26=off");
    AddRow("setup 15 loaded 1 after feet", "RadioButton27 load:15=1",
           "[15]=1 RadioButton26=on RadioButton27=off");
    AddRow("setup 15 loaded 0", "load:15=0", "[15]=0 RadioButton27=on");
    AddRow("setup 15 loaded 2 keeps the selection", "RadioButton27 load:15=2",
           "[15]=2 RadioButton27=on");
    AddRow("setup 16 up", "UpDown10+", "[16]=4 Memo13=4");
    AddRow("setup 16 down at 3 changes nothing", "UpDown10-", "[16]=3 Memo13=3");
    AddRow("setup 16 stops at 20", "UpDown10+*20", "[16]=20 Memo13=20");
    AddRow("setup 16 loaded 0", "load:16=0", "[16]=0 Memo13=0 UpDown10@3");
    AddRow("setup 16 loaded 0 then up", "load:16=0 UpDown10+", "[16]=4 Memo13=4");
    AddRow("setup 16 loaded 50", "load:16=50", "[16]=50 Memo13=50 UpDown10@20");
    AddRow("setup 18 untick takes the spin", "CheckBox5",
           "[18]=20 Memo15=20 UpDown12@20 CheckBox5=off");
    AddRow("setup 18 tick again", "CheckBox5 CheckBox5", "[18]=0 Memo15= CheckBox5=on");
    AddRow("setup 18 stops at 100", "CheckBox5 UpDown12+*9", "[18]=100 Memo15=100 UpDown12@100");
    AddRow("setup 18 press while ticked, then untick", "UpDown12+ CheckBox5", "[18]=30 Memo15=30");
    AddRow("setup 18 press while ticked", "UpDown12+", "[18]=0 Memo15= UpDown12@30");
    AddRow("setup 18 loaded 50", "load:18=50", "[18]=50 Memo15=50 CheckBox5=off UpDown12@50");
    AddRow("setup 18 loaded 15", "load:18=15 UpDown12-", "[18]=15 Memo15=15 UpDown12@20");
    AddRow("setup 18 loaded 15 then up", "load:18=15 UpDown12+", "[18]=30 Memo15=30");
    AddRow("setup 18 loaded 0 keeps the spin", "load:18=50 load:18=0",
           "[18]=0 Memo15= CheckBox5=on UpDown12@50");
}

void SetupEditorScenarios::alarmsAndSensors() {
    RunRow();
}

// Setup 17: capacity in bits 0-6, the percent flag in bit 7.
void SetupEditorScenarios::capacity_data() {
    Columns();
    AddRow("tick right after start-up", "CheckBox6", "[17]=133 Memo14=0,5 CheckBox6=on");
    AddRow("tick and untick", "CheckBox6 CheckBox6", "[17]=5 Memo14=0,5 CheckBox6=off");
    AddRow("capacity 2,3", "UpDown11+*18", "[17]=23 Memo14=2,3");
    AddRow("stops at 9,9", "UpDown11+*100", "[17]=99 Memo14=9,9 UpDown11@99");
    AddRow("stops at 9,9 with the flag", "CheckBox6 UpDown11+*100", "[17]=227 Memo14=9,9");
    AddRow("down at 0,5 changes nothing", "UpDown11-", "[17]=0 Memo14= UpDown11@5");
    AddRow("loaded 128", "load:17=128", "[17]=128 CheckBox6=on Memo14=0 UpDown11@5");
    AddRow("loaded 127", "load:17=127", "[17]=127 Memo14=12,7 UpDown11@99 CheckBox6=off");
    AddRow("loaded 127 then down", "load:17=127 UpDown11-", "[17]=98 Memo14=9,8");
    AddRow("loaded 150", "load:17=150", "[17]=150 CheckBox6=on Memo14=2,2 UpDown11@22");
    AddRow("loaded 255 then down keeps the flag", "load:17=255 UpDown11-", "[17]=226 Memo14=9,8");
    AddRow("loaded 0 empties the text", "UpDown11+ CheckBox6 load:17=0",
           "[17]=0 Memo14= UpDown11@5 CheckBox6=off");
}

void SetupEditorScenarios::capacity() {
    RunRow();
}

// The firmware command: the factory setting presented, Setup 13 keeping its value mode with the
// additional announcement switched off.
void SetupEditorScenarios::firmwareChoice_data() {
    Columns();
    AddRow("right after start-up", "firmware",
           "others=defaults [13]=1 CheckBox4=off Memo10= Memo13=3 CheckBox5=on Memo15= mode=1 "
           "index=0 UpDown9@1");
    AddRow(
        "relative every 5th", "RadioButton22 UpDown9+ CheckBox4 firmware",
        "others=defaults [13]=2 CheckBox4=off Memo10= UpDown9@2 RadioButton22=on mode=2 index=0");
    AddRow("announcement off, spin at 3", "UpDown9+*2 firmware",
           "others=defaults [13]=1 UpDown9@1");
    AddRow("index 4 held at 3", "load:13=9 firmware",
           "others=defaults [13]=1 UpDown9@3 CheckBox4=off Memo10= index=0");
    AddRow("mode 0 stays", "load:13=0 firmware", "others=defaults [13]=0 mode=0 RadioButton21=on");
    AddRow("capacity alarm 50", "CheckBox5 UpDown12+*3 firmware",
           "others=defaults [18]=0 CheckBox5=on Memo15= UpDown12@50");
    AddRow(
        "every group shows the record",
        "UpDown2+ RadioButton27 CheckBox6 UpDown11+ RadioButton38 RadioButton36 UpDown10+ firmware",
        "others=defaults [13]=1 Memo3=60 RadioButton26=on Memo14= CheckBox6=off UpDown11@5 "
        "RadioButton40=on RadioButton34=on Memo13=3 UpDown10@3");
    AddRow("twice", "RadioButton22 CheckBox4 firmware firmware",
           "others=defaults [13]=2 CheckBox4=off Memo10= UpDown9@1 mode=2");
}

void SetupEditorScenarios::firmwareChoice() {
    RunRow();
}

void SetupEditorScenarios::presentingNeverChangesTheRecord_data() {
    QTest::addColumn<QByteArray>("hex");
    QTest::newRow("factory setting") << QByteArray("013C14140101"
                                                   "2F000100000000010201030000"
                                                   "00");
    QTest::newRow("all zero") << QByteArray(40, '0');
    QTest::newRow("all ones") << QByteArray(40, 'F').toLower();
    QTest::newRow("all 0x80") << QByteArray("80").repeated(20);
    QTest::newRow("all 0x7F") << QByteArray("7f").repeated(20);
    QTest::newRow("0 to 19") << QByteArray("000102030405060708090a0b0c0d0e0f10111213");
    QTest::newRow("every output bit, off the steps")
        << QByteArray("ff41073d07051e1f0506050706650a0203fe0f03");
    // A fixed pseudo-random sequence: many unrelated odd values at once.
    std::uint32_t state = 20100612;
    for (int row = 0; row < 8; ++row) {
        QByteArray hex;
        for (int i = 0; i < 20; ++i) {
            state = state * 1103515245u + 12345u;
            hex += QByteArray::number((state >> 16) & 0xFF, 16).rightJustified(2, '0');
        }
        QTest::newRow(qPrintable(QStringLiteral("random %1").arg(row))) << hex;
    }
}

void SetupEditorScenarios::presentingNeverChangesTheRecord() {
    QFETCH(QByteArray, hex);
    EditorUnderTest e;
    const vx::SetupRecord loaded = RecordFromHex(hex);
    // Present it from two different earlier states of the form.
    for (const char* before :
         {"", "RadioButton12 CheckBox3 CheckBox5 RadioButton22 CheckBox4 RadioButton39"}) {
        Scenario scenario(e);
        scenario.Run(QString::fromLatin1(before));
        e.record = loaded;
        e.editor->ApplySetupToForm();
        QCOMPARE(vx::ToBytes(e.record), vx::ToBytes(loaded));
        e.editor->ApplySetupToForm();
        QCOMPARE(vx::ToBytes(e.record), vx::ToBytes(loaded));
    }
}

QTEST_MAIN(SetupEditorScenarios)
#include "tst_SetupEditorScenarios.moc"
