#include "Unit1.h"

#include "DateTimeText.h"
#include "addresses/Unit2.h"
#include "editor/SetupEditor.h"
#include "logconv/Conversions.h"
#include "logconv/Maker.h"
#include "setup/SetupFile.h"
#include "setup/Version.h"
#include "ui_TForm1.h"
#include "widgets/Command.h"
#include "widgets/Dialogs.h"

#include <QAction>
#include <QResizeEvent>
#include <QStringList>

#include <cstring>

namespace {

using vx::ui::CurrentDialogs;
using vx::ui::RunCommand;

// The window's outer geometry before the settings file is read.
constexpr QRect kFormGeometry(945, 55, 868, 852);

const QString kStartCaption = QStringLiteral("VolantrixTool ") + vx::kProgramVersion +
                              QStringLiteral(" für   brelvik Volantrix ");
const QString kFirmwareCaption =
    QStringLiteral("VolantrixTool ") + vx::kProgramVersion + QStringLiteral(" für   Volantrix ");

const QString kLogFilter =
    QStringLiteral("Alle CSV-Dateien (*.CSV)|*.CSV|Volantrix Log-Datei (*.CSV)|VXL?????.CSV|"
                   "Alle Dateien (*.*)|*.*");
const QString kSetupFilter =
    QStringLiteral("Volantrix Setup-Datei (VOLANTRI.HEX)|VOLANTRI.HEX|Alle HEX-Dateien|*.HEX|Alle "
                   "Dateien (*.*)|*.*");

QString InformationText() {
    return QStringList{QStringLiteral("VolantrixTool für brelvik Variometer Volantrix"),
                       QString::fromUtf8(vx::kProgramVersion),
                       QStringLiteral("Zur Setup-Erstellung und Konvertierung der Logger-Daten"),
                       QStringLiteral("© brelvik"),
                       QStringLiteral("Download unter User Info bei ") + vx::kMakerWebAddress}
        .join(QLatin1Char('\r'));
}

// The handler of each conversion item of the menu, by the item's name in the conversion table.
struct ConversionHandler {
    const char* menuItemName;
    void (TForm1::*handler)();
};
constexpr ConversionHandler kConversionHandlers[] = {
    {"nachKML2D1", &TForm1::nachKML2D1Click},
    {"nachKML3D1", &TForm1::nachKML3D1Click},
    {"nachKMLmitbaromHhe1", &TForm1::nachKMLmitbaromHhe1Click},
    {"nachGMX1", &TForm1::nachGPX1Click},
    {"frSkyplotter1", &TForm1::frSkyplotter1Click},
};

const vx::ConversionFormat* FindByMenuItem(const char* menuItemName) {
    for (const vx::ConversionFormat& format : vx::ConversionFormats()) {
        if (std::strcmp(format.menuItemName, menuItemName) == 0)
            return &format;
    }
    return nullptr;
}

} // namespace

TForm1::TForm1(QWidget* parent) : QMainWindow(parent), ui_(std::make_unique<Ui::TForm1>()) {
    ui_->setupUi(this);
    editor_ = new vx::SetupEditor(setupRecord_);
    ui_->ScrollBox1->setWidget(editor_);
    BuildConversionMenu();

    connect(ui_->Setupladen1, &QAction::triggered, this, &TForm1::Setupladen1Click);
    connect(ui_->Setupspeichern1, &QAction::triggered, this, &TForm1::Setupspeichern1Click);
    connect(ui_->Proframmbeenden1, &QAction::triggered, this, &TForm1::Proframmbeenden1Click);
    connect(ui_->SetupGrundeinstellung1, &QAction::triggered, this,
            &TForm1::SetupGrundeinstellung1Click);
    connect(ui_->bisV407x1, &QAction::triggered, this, &TForm1::bisV407x1Click);
    connect(ui_->MLinkAdressenndern1, &QAction::triggered, this, &TForm1::MLinkAdressenndern1Click);
    connect(ui_->deutsch1, &QAction::triggered, this, &TForm1::deutsch1Click);
    connect(ui_->english1, &QAction::triggered, this, &TForm1::english1Click);
    connect(ui_->Info1, &QAction::triggered, this, &TForm1::Info1Click);

    FormCreate();
}

TForm1::~TForm1() = default;

void TForm1::BuildConversionMenu() {
    for (const vx::ConversionFormat& format : vx::ConversionFormats()) {
        auto* item = new QAction(QString::fromUtf8(format.caption), this);
        item->setObjectName(QString::fromUtf8(format.menuItemName));
        ui_->DatenKonvertierung1->addAction(item);
        for (const ConversionHandler& entry : kConversionHandlers) {
            if (std::strcmp(entry.menuItemName, format.menuItemName) == 0)
                connect(item, &QAction::triggered, this, entry.handler);
        }
    }
}

void TForm1::FormCreate() {
    placing_ = true;
    placement_.Place(this, kFormGeometry);
    QRect outer = vx::ui::OuterGeometry(this);
    toolSettings_.left = outer.x();
    toolSettings_.top = outer.y();
    toolSettings_.width = outer.width();
    toolSettings_.height = outer.height();
    vx::LoadToolSettings(toolSettings_);
    placement_.Place(this, QRect(toolSettings_.left, toolSettings_.top, toolSettings_.width,
                                 toolSettings_.height));
    placing_ = false;

    vx::LoadDefaultSetup(setupRecord_);
    editor_->ApplySetupToForm();
    setWindowTitle(kStartCaption);
}

void TForm1::SaveSettings() {
    QRect outer = vx::ui::OuterGeometry(this);
    toolSettings_.left = outer.x();
    toolSettings_.top = outer.y();
    toolSettings_.width = outer.width();
    toolSettings_.height = outer.height();
    vx::SaveToolSettings(toolSettings_);
}

void TForm1::FormResize() {
    RunCommand(this, [this] { SaveSettings(); });
}

void TForm1::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    bool correcting = placement_.FrameMayBeKnown(this);
    // The first size a window is shown with is no change; neither is our own placing.
    if (!placing_ && !correcting && event->oldSize().isValid() && event->oldSize() != event->size())
        FormResize();
}

void TForm1::moveEvent(QMoveEvent* event) {
    QMainWindow::moveEvent(event);
    placement_.FrameMayBeKnown(this);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    placement_.FrameMayBeKnown(this);
}

void TForm1::Setupladen1Click() {
    RunCommand(this, [this] {
        std::optional<QString> chosen =
            CurrentDialogs().OpenFile(this, kSetupFilter, lastSetupFile_);
        if (!chosen)
            return;
        lastSetupFile_ = *chosen;
        if (vx::ReadSetupFile(vx::ui::ToPath(*chosen), setupRecord_) == 0) {
            CurrentDialogs().Information(this,
                                         QStringLiteral("Keine gültige Volantrix Setup-Datei!"));
            vx::LoadDefaultSetup(setupRecord_);
        }
        editor_->ApplySetupToForm();
    });
}

void TForm1::Setupspeichern1Click() {
    RunCommand(this, [this] {
        std::optional<QString> chosen =
            CurrentDialogs().SaveFile(this, QString::fromUtf8(vx::kSetupFileName));
        if (chosen)
            vx::WriteSetupFile(vx::ui::FileInChosenFolder(*chosen, vx::kSetupFileName),
                               setupRecord_);
    });
}

void TForm1::Proframmbeenden1Click() {
    RunCommand(this, [this] {
        SaveSettings();
        close();
    });
}

void TForm1::SetupGrundeinstellung1Click() {
    vx::LoadDefaultSetup(setupRecord_);
    editor_->ApplySetupToForm();
}

void TForm1::bisV407x1Click() {
    RunCommand(this, [this] {
        toolSettings_.FirmwareVersion = 1;
        toolSettings_.OptionInt = 0;
        vx::LoadDefaultSetup(setupRecord_);
        SaveSettings();
        setWindowTitle(kFirmwareCaption);
        editor_->ApplySetupAfterFirmwareChoice();
    });
}

void TForm1::MLinkAdressenndern1Click() {
    if (!addressWindow_)
        return;
    addressWindow_->show();
    addressWindow_->raise();
    addressWindow_->activateWindow();
}

void TForm1::deutsch1Click() {
    RunCommand(this, [this] {
        toolSettings_.english = 0;
        SaveSettings();
    });
}

void TForm1::english1Click() {
    RunCommand(this, [this] {
        toolSettings_.english = 1;
        SaveSettings();
    });
}

void TForm1::nachKML2D1Click() {
    ConvertLog("nachKML2D1");
}
void TForm1::nachKML3D1Click() {
    ConvertLog("nachKML3D1");
}
void TForm1::nachKMLmitbaromHhe1Click() {
    ConvertLog("nachKMLmitbaromHhe1");
}
void TForm1::nachGPX1Click() {
    ConvertLog("nachGMX1");
}
void TForm1::frSkyplotter1Click() {
    ConvertLog("frSkyplotter1");
}

void TForm1::ConvertLog(const char* menuItemName) {
    const vx::ConversionFormat* format = FindByMenuItem(menuItemName);
    if (!format)
        return;
    RunCommand(this, [this, format] {
        std::optional<QString> log = CurrentDialogs().OpenFile(this, kLogFilter, lastLog_);
        if (!log)
            return;
        lastLog_ = *log;
        vx::ConversionResult result =
            vx::RunConversion(*format, vx::ui::ToPath(*log), toolSettings_.FirmwareVersion);
        QString message = QString::fromStdString(vx::CompletionMessage(result.outputName));
        if (result.baseTime)
            message += QLatin1Char('\r') + LocalDateTimeText(*result.baseTime);
        CurrentDialogs().Information(this, message);
    });
}

void TForm1::Info1Click() {
    CurrentDialogs().Information(this, InformationText());
}
