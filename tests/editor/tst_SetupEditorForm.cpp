// The setup editor's form: every group and control where the window places it, with its exact
// caption, font and start state, before any record is presented.

#include "EditorDriver.h"

#include "widgets/RadioButton.h"
#include "widgets/UpDown.h"
#include "widgets/ValueMemo.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

namespace {

constexpr int kAutoSize = -1; // labels size themselves to their text

// The form as constructed, before the first presentation.
struct FreshEditor {
    FreshEditor() : editor(record) { editor.show(); }
    vx::SetupRecord record;
    vx::SetupEditor editor;
};

QString CaptionOf(QWidget* w) {
    if (auto* label = qobject_cast<QLabel*>(w))
        return label->text();
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->text();
    return {};
}

void Control(const char* name, const char* parent, const char* caption, int x, int y, int w, int h,
             int pixels) {
    QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(parent)
                        << QString::fromUtf8(caption) << QRect(x, y, w, h) << pixels;
}

} // namespace

class SetupEditorForm : public QObject {
    Q_OBJECT

  private slots:
    void clientAreaSize() {
        FreshEditor f;
        QCOMPARE(f.editor.size(), QSize(860, 800));
        QCOMPARE(f.editor.minimumSize(), f.editor.maximumSize());
        QCOMPARE(f.editor.font().pixelSize(), 10);
        QCOMPARE(f.editor.findChildren<QGroupBox*>().size(), 19);
    }

    void groups_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("pixels");
        auto row = [](const char* name, const char* caption, int x, int y, int w, int h, int px) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromUtf8(caption)
                                << QRect(x, y, w, h) << px;
        };
        row("GroupBox2", "Setup 1  Höhenansage-Intervall bei positiver Höhe", 8, 2, 840, 49, 12);
        row("GroupBox4", "Setup 2  Höhenansage-Intervall bei negativer Höhe", 7, 54, 418, 49, 11);
        row("GroupBox3", "Setup 3  Integral-Variometer-Intervall", 431, 54, 418, 49, 11);
        row("GroupBox5", "Setup 4  Geschwindigkeits-Ansage", 6, 106, 418, 95, 11);
        row("GroupBox6", "Setup 5  Variometer-Funktionen", 430, 106, 419, 94, 11);
        row("GroupBox7", "Setup 6  Empfänger-Unterspannungs-Alarmschwelle", 7, 204, 417, 47, 11);
        row("GroupBox8", "Setup 7  Sink-Schwelle", 431, 204, 420, 47, 11);
        row("GroupBox9", " Setup 8  Varioton-Mode", 6, 253, 844, 102, 11);
        row("GroupBox10", "Setup 9  Stromsensor-Ansagen", 7, 356, 420, 122, 11);
        row("GroupBox11", "Setup 10  Pitot-Speed-Sensor Auswahl", 435, 356, 417, 121, 11);
        row("GroupBox12", "Setup 11 Temperatur-Alarmschwelle", 7, 480, 420, 53, 11);
        row("GroupBox13", "Setup 12  Motorakku-Unterspannungs-Alarmschwelle", 434, 480, 417, 53,
            11);
        row("GroupBox14", "Setup 13  Ansagen im Integral-Variometer-Mode", 7, 535, 420, 84, 10);
        row("GroupBox15", "Setup 14 Stromsensor-Typ (SM-Modellbau)", 435, 536, 417, 73, 11);
        row("GroupBox19", "Setup 16 Strom-Ansage Delay nach Motorstart bei E-Segler-Betrieb", 434,
            609, 417, 49, 11);
        row("GroupBox16", "Setup 15  Einheit:  Meter oder Feet", 7, 620, 420, 39, 11);
        row("GroupBox21", "Setup 18 Motorakku-Kapazitätsalarm", 434, 659, 419, 46, 11);
        row("GroupBox20", "Setup 17  Motorakku-Kapazität", 7, 660, 420, 46, 11);
        row("GroupBox1", "Optionale Setups die nur über VolantrixTool möglich sind", 8, 709, 843,
            84, 12);
    }
    void groups() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(int, pixels);
        FreshEditor f;
        auto* group = f.editor.findChild<QGroupBox*>(name);
        QVERIFY(group);
        QCOMPARE(group->parentWidget(), &f.editor);
        QCOMPARE(group->title(), caption);
        QCOMPARE(group->geometry(), geometry);
        QCOMPARE(group->font().pixelSize(), pixels);
        QVERIFY(group->font().bold());
        QVERIFY(group->isVisible() && group->isEnabled());
    }

    void controls_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<int>("pixels");
        const int A = kAutoSize;
        // Optional setups; "window" marks the client area itself.
        Control("UpDown1", "window", "", 16, 730, 16, 25, 10);
        Control("Label14", "window", "Warnschwelle", 47, 750, A, A, 12);
        Control("RadioButton34", "window",
                "Der Pulslänge unter -100% (0,95ms) keinen Extra-Mode zuordnen", 477, 720, 354, 17,
                12);
        Control("RadioButton35", "window",
                "Der Pulslänge unter -100% (0,95ms) opt. Mode zuordnen, unbenutzt", 476, 738, 354,
                17, 12);
        Control("RadioButton36", "window",
                "Der Pulslänge unter -100% (0,95ms) opt. Mode zuordnen, unbenutzt", 476, 755, 354,
                17, 12);
        Control("Memo2", "GroupBox1", "", 112, 27, 49, 17, 12);
        Control("Label1", "GroupBox1", "Warnschwelle", 32, 27, A, A, 12);
        Control("Label5", "GroupBox1", "0 = keine Wanung,   3 = alle aktiv", 12, 56, A, A, 12);
        Control("RadioButton40", "GroupBox1", "Keine Daten am SIO-Ausgang ausgeben", 208, 15, 233,
                17, 12);
        Control("RadioButton37", "GroupBox1", "NMEA-Daten am SIO-Ausgang ausgeben", 208, 31, 225,
                17, 12);
        Control("RadioButton38", "GroupBox1", "LogView-Livedaten an SIO-Ausgang ausgeben", 208, 47,
                249, 17, 12);
        Control("RadioButton39", "GroupBox1", "SkyNavGPS_V3-Daten an SIO-Ausg. ausgeben", 208, 63,
                249, 17, 12);
        // Setup 1 to 3.
        Control("UpDown2", "GroupBox2", "", 7, 17, 17, 25, 12);
        Control("Memo3", "GroupBox2", "", 108, 21, 49, 17, 12);
        Control("Label2", "GroupBox2", "Intervall", 42, 23, A, A, 12);
        Control("Label4", "GroupBox2", "Sekunden", 168, 23, A, A, 12);
        Control("UpDown3", "GroupBox4", "", 7, 17, 17, 25, 11);
        Control("Memo4", "GroupBox4", "", 110, 23, 49, 17, 11);
        Control("Label8", "GroupBox4", "Intervall", 46, 25, A, A, 11);
        Control("Sekunden", "GroupBox4", "Sekunden", 170, 24, A, A, 11);
        Control("UpDown4", "GroupBox3", "", 8, 16, 17, 25, 11);
        Control("Memo5", "GroupBox3", "", 107, 21, 51, 17, 11);
        Control("CheckBox1", "GroupBox3", "keine Ansage", 302, 22, 89, 14, 11);
        Control("Label9", "GroupBox3", "Intervall", 43, 21, A, A, 11);
        Control("Label7", "GroupBox3", "Sekunden", 164, 23, A, A, 11);
        // Setup 4, 5, 8.
        Control("RadioButton1", "GroupBox5", "Kontinuierliche Geschwindigkeitsansage", 12, 18, 246,
                14, 11);
        Control("RadioButton2", "GroupBox5", "Maximumansage nach Beschleunigungsphase", 11, 71, 246,
                14, 11);
        Control("RadioButton30", "GroupBox5", "ab 70km/h", 12, 50, 74, 17, 11);
        Control("RadioButton31", "GroupBox5", "ab 80km/h", 100, 51, 82, 17, 11);
        Control("RadioButton32", "GroupBox5", "ab 100km/h", 201, 51, 87, 17, 11);
        Control("RadioButton33", "GroupBox5", "ab 120km/h", 307, 52, 90, 17, 11);
        Control("Label28", "GroupBox5", "zusätzlich automatische Ansage  ab :", 30, 34, A, A, 11);
        Control("RadioButton3", "GroupBox6", "Variometer-Funktion ohne Flugdauer-Ansage", 8, 16,
                401, 17, 11);
        Control("RadioButton4", "GroupBox6", "Variometer-Funktion mit Flugdauer-Ansage in Minuten",
                8, 32, 401, 17, 11);
        Control("RadioButton5", "GroupBox6",
                "Höhenansage nur im Zeitintervall, keine 50m-Stufen-Ansage", 8, 48, 401, 17, 11);
        Control("RadioButton29", "GroupBox6",
                "Integral-Variometer-Mode f. Schlepppilot mit Geschwindigkeit u. 50m-Stufen-Ans.",
                8, 64, 401, 17, 11);
        Control("RadioButton6", "GroupBox9", "Höhenmesser-Mode ohne Varioton (z.B. Schlepppilot)",
                8, 16, 401, 17, 11);
        Control("RadioButton7", "GroupBox9",
                "Sink- = Steig-Schwelle, ohne Nullschieberausblendung, Steigton mit 50% getastet, "
                "Sinken mit Dauerton (ursprünglicher brelvik Variometer Mode)",
                8, 32, 833, 17, 11);
        Control("RadioButton8", "GroupBox9",
                "Kein Ton zwischen Sink- u. Steig-Schwelle, sog. Nullscheiberausblendung, Steigton "
                "mit 50% getastet, Sinken mit Dauerton",
                8, 48, 825, 17, 11);
        Control("RadioButton9", "GroupBox9",
                "Ton zwischen Sink- u. Steig-Schwelle 50% getastet, oberhalb der Steig-Schwelle "
                "kürzere 25% Intervalle, Sinken mit Dauerton, gibt es nur bei brelvik Volantrix, "
                "sehr effizient!",
                8, 64, 833, 17, 11);
        Control("RadioButton10", "GroupBox9",
                "Ton zwischen Sink- u. Steig-Schwelle 50% getastet, oberhalb der Steig-Schwelle "
                "kürzere 25% Intervalle, kein Ton im Sinken",
                8, 80, 825, 17, 11);
        // Setup 6, 7.
        Control("UpDown5", "GroupBox7", "", 9, 17, 17, 25, 11);
        Control("Label10", "GroupBox7", "Alarmschwelle", 40, 24, A, A, 11);
        Control("Memo6", "GroupBox7", "", 112, 24, 49, 17, 11);
        Control("Label11", "GroupBox7", "Volt", 169, 24, A, A, 11);
        Control("UpDown6", "GroupBox8", "", 11, 17, 17, 25, 11);
        Control("Label12", "GroupBox8", "Sink-Schwelle", 39, 22, A, A, 11);
        Control("Memo7", "GroupBox8", "", 112, 20, 49, 17, 11);
        Control("Label13", "GroupBox8", "m/s", 168, 24, A, A, 11);
        // Setup 9, 10.
        Control("RadioButton11", "GroupBox10",
                "Betrieb ohne Stromsensor, notwendig um unnötige Ansagen zu unterbinden", 8, 16,
                401, 17, 11);
        Control("RadioButton12", "GroupBox10",
                "E-Segler-Betrieb mit Stromsensor, nur Motorspannungs-Ansage im Ruhe-Mode", 8, 32,
                401, 17, 11);
        Control("RadioButton13", "GroupBox10",
                "E-Segler-Betrieb, zusätzlich mit Summenhöhe-Ansage im Ruhe-Mode", 8, 48, 401, 17,
                11);
        Control("RadioButton14", "GroupBox10",
                "E-Segler-Betrieb, zusätzlich Kapazitäts-Ansage im Ruhe-Mode", 8, 64, 401, 17, 11);
        Control("RadioButton15", "GroupBox10",
                "E-Segler-Betrieb, zusätzlich mit Summenhöhe und Kapazitäts-Ansage im Ruhe-M.", 8,
                80, 401, 17, 11);
        Control("RadioButton16", "GroupBox10",
                "E-Motorflug- und E-Motorkunstflug-Betrieb, ohne Varioton, automatische Ansagen", 8,
                96, 401, 17, 11);
        Control("RadioButton19", "GroupBox11", "Betrieb ohne Pitot-Speed-Sensor", 8, 18, 401, 17,
                11);
        Control("RadioButton17", "GroupBox11",
                "250km/h-Pitot-Speed-Sensors, GPS-Geschwindigkeit wird angesagt", 7, 37, 401, 17,
                11);
        Control("RadioButton18", "GroupBox11",
                "450km/h-Pitot-Speed-Sensors, GPS-Geschwindigkeit wird angesagt", 7, 57, 401, 17,
                11);
        Control("RadioButton20", "GroupBox11",
                "250km/h-Pitot-Speed-Sensors, Pitot-Geschwindigkeit wird angesagt", 7, 77, 401, 17,
                11);
        Control("RadioButton28", "GroupBox11",
                "450km/h-Pitot-Speed-Sensors, Pitot-Geschwindigkeit wird angesagt", 6, 96, 401, 17,
                11);
        // Setup 11, 12.
        Control("UpDown7", "GroupBox12", "", 7, 17, 17, 25, 11);
        Control("Label15", "GroupBox12", "Alarmschwelle ", 40, 24, A, A, 11);
        Control("Memo8", "GroupBox12", "", 112, 24, 49, 17, 11);
        Control("Label16", "GroupBox12", "°C", 176, 24, A, A, 11);
        Control("CheckBox2", "GroupBox12", "keine Ansage", 312, 25, 89, 14, 11);
        Control("UpDown8", "GroupBox13", "", 9, 19, 17, 25, 11);
        Control("Label17", "GroupBox13", "Alarmschwelle", 40, 24, A, A, 11);
        Control("Memo9", "GroupBox13", "", 112, 24, 49, 17, 11);
        Control("Label18", "GroupBox13", "Volt", 168, 24, A, A, 11);
        Control("CheckBox3", "GroupBox13", "keine Ansage", 320, 25, 89, 14, 11);
        // Setup 13.
        Control("RadioButton21", "GroupBox14", "Werte als absolute Differenz in Meter", 8, 16, 225,
                17, 11);
        Control("RadioButton22", "GroupBox14", "Werte relativ in m/s", 8, 32, 201, 17, 11);
        Control("CheckBox4", "GroupBox14", "zusätzliche automatische Höhenansage", 8, 56, 217, 17,
                11);
        Control("UpDown9", "GroupBox14", "", 232, 52, 17, 25, 11);
        Control("Memo10", "GroupBox14", "", 252, 56, 25, 17, 11);
        Control("Label22", "GroupBox14", "n", 281, 57, A, A, 11);
        Control("Label19", "GroupBox14", "bei jeder n-ten Integral-", 304, 48, A, A, 11);
        Control("Label20", "GroupBox14", "Variometer-Ansage", 304, 64, A, A, 11);
        // Setup 14, 15, 16.
        Control("RadioButton23", "GroupBox15", "40A o. 80A Motor-Stromsensor", 8, 16, 201, 17, 11);
        Control("RadioButton24", "GroupBox15", "150A Motor-Stromsensor ", 8, 32, 193, 17, 11);
        Control("RadioButton25", "GroupBox15", "400A Motor-Stromsensor", 8, 48, 193, 17, 11);
        Control("RadioButton41", "GroupBox15", "20A Empfänger-Stromsensor", 208, 16, 201, 17, 11);
        Control("Label3", "GroupBox15", "nur für Empfängerakku-Überwachung !", 224, 32, A, A, 11);
        Control("RadioButton26", "GroupBox16", "Meter", 8, 16, 113, 17, 11);
        Control("RadioButton27", "GroupBox16", "Feet, nur in Verbindung mit engl. Sprache nutzbar",
                96, 16, 281, 17, 11);
        Control("UpDown10", "GroupBox19", "", 16, 16, 17, 25, 11);
        Control("Label21", "GroupBox19", "Delay", 64, 24, A, A, 11);
        Control("Memo13", "GroupBox19", "", 112, 24, 49, 17, 11);
        Control("Label6", "GroupBox19", "Sekunden", 176, 24, A, A, 11);
        // Setup 17, 18.
        Control("UpDown11", "GroupBox20", "", 8, 16, 17, 25, 11);
        Control("Label24", "GroupBox20", "Kapazität", 56, 24, A, A, 11);
        Control("Memo14", "GroupBox20", "", 112, 24, 49, 17, 11);
        Control("Label23", "GroupBox20", "Ah", 176, 24, A, A, 11);
        Control("Label27", "GroupBox20", "Nur bei Kapazität mit %-Ansage notwendig!", 200, 24, A, A,
                11);
        Control("CheckBox6", "GroupBox20", "alle Kapazitäts-Ansagen rel. in %", 240, 8, 177, 17,
                11);
        Control("UpDown12", "GroupBox21", "", 16, 16, 17, 25, 11);
        Control("Label26", "GroupBox21", "Alarm ab", 64, 24, A, A, 11);
        Control("Memo15", "GroupBox21", "", 112, 24, 49, 17, 11);
        Control("Label25", "GroupBox21", "% Verbrauch, danach bei jeder weiteren 10%-Stufe", 168,
                24, A, A, 11);
        Control("CheckBox5", "GroupBox21", "kein Kapazitätsalarm", 288, 9, 129, 14, 11);
    }
    void controls() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QString, caption);
        QFETCH(QRect, geometry);
        QFETCH(int, pixels);
        FreshEditor f;
        auto* control = f.editor.findChild<QWidget*>(name);
        QVERIFY(control);
        if (parent == QLatin1String("window"))
            QCOMPARE(control->parentWidget(), &f.editor);
        else
            QCOMPARE(control->parentWidget()->objectName(), parent);
        QCOMPARE(CaptionOf(control), caption);
        QCOMPARE(control->pos(), geometry.topLeft());
        if (geometry.width() == kAutoSize)
            QCOMPARE(control->size(), control->sizeHint()); // sized to its text
        else
            QCOMPARE(control->size(), geometry.size());
        QCOMPARE(control->font().pixelSize(), pixels);
        const bool isMemo = qobject_cast<vx::ui::ValueMemo*>(control) != nullptr;
        QCOMPARE(control->font().bold(), isMemo);
        QVERIFY(control->isVisible() && control->isEnabled());
    }

    void spinButtons_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("min");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("increment");
        QTest::addColumn<int>("position");
        auto row = [](const char* name, int min, int max, int inc, int pos) {
            QTest::newRow(name) << QString::fromLatin1(name) << min << max << inc << pos;
        };
        row("UpDown1", 0, 3, 1, 1);
        row("UpDown2", 0, 120, 10, 60);
        row("UpDown3", 10, 60, 10, 20);
        row("UpDown4", 5, 30, 5, 20);
        row("UpDown5", 44, 90, 1, 47);
        row("UpDown6", 20, 0, 1, 0);
        row("UpDown7", 5, 125, 5, 5);
        row("UpDown8", 10, 100, 1, 10);
        row("UpDown9", 1, 3, 1, 1);
        row("UpDown10", 3, 20, 1, 3);
        row("UpDown11", 5, 99, 1, 5);
        row("UpDown12", 20, 100, 10, 20);
    }
    void spinButtons() {
        QFETCH(QString, name);
        QFETCH(int, min);
        QFETCH(int, max);
        QFETCH(int, increment);
        QFETCH(int, position);
        FreshEditor f;
        auto* spin = f.editor.findChild<vx::ui::UpDown*>(name);
        QVERIFY(spin);
        QCOMPARE(spin->min(), min);
        QCOMPARE(spin->max(), max);
        QCOMPARE(spin->increment(), increment);
        QCOMPARE(spin->position(), position);
    }

    // Start states before anything is presented; Setup 10 starts with no selection at all.
    void startStates() {
        FreshEditor f;
        const QStringList on = {"RadioButton1",  "RadioButton3",  "RadioButton7",  "RadioButton11",
                                "RadioButton21", "RadioButton24", "RadioButton26", "RadioButton34",
                                "CheckBox2",     "CheckBox3",     "CheckBox5"};
        for (QAbstractButton* button : f.editor.findChildren<QAbstractButton*>()) {
            if (!qobject_cast<vx::ui::RadioButton*>(button) && !qobject_cast<QCheckBox*>(button))
                continue; // the spin buttons' arrows
            QVERIFY2(button->isChecked() == on.contains(button->objectName()),
                     qPrintable(button->objectName()));
        }
        for (vx::ui::ValueMemo* memo : f.editor.findChildren<vx::ui::ValueMemo*>()) {
            QVERIFY2(memo->text().isEmpty(), qPrintable(memo->objectName()));
            QVERIFY2(memo->isReadOnly(), qPrintable(memo->objectName()));
        }
        QCOMPARE(f.editor.findChildren<vx::ui::ValueMemo*>().size(), 12);
        QCOMPARE(f.editor.IntegralValueMode(), 1);
        QCOMPARE(f.editor.AltitudeAnnouncementIndex(), 0);
    }

    // Label14 lies behind the optional setups' group; the window-level controls lie in front.
    void stackingInTheOptionalSetups() {
        FreshEditor f;
        auto* group = f.editor.findChild<QGroupBox*>("GroupBox1");
        auto* hidden = f.editor.findChild<QLabel*>("Label14");
        QWidget* atLabel = f.editor.childAt(hidden->geometry().center());
        QVERIFY(atLabel == group || group->isAncestorOf(atLabel));
        for (const char* name : {"UpDown1", "RadioButton34", "RadioButton35", "RadioButton36"}) {
            auto* control = f.editor.findChild<QWidget*>(name);
            QWidget* at = f.editor.childAt(control->geometry().topLeft() + QPoint(3, 3));
            QVERIFY2(at == control || control->isAncestorOf(at), name);
        }
    }
};

QTEST_MAIN(SetupEditorForm)
#include "tst_SetupEditorForm.moc"
