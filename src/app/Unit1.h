#pragma once
// The main window: the setup editor under the menu from which every command starts, the
// window's geometry kept in the tool settings, and the commands of the menu.

#include "settings/ToolSettings.h"
#include "setup/SetupRecord.h"
#include "widgets/OuterGeometry.h"

#include <QMainWindow>
#include <QString>

#include <memory>

namespace Ui {
class TForm1;
}
namespace vx {
class SetupEditor;
struct ConversionFormat;
} // namespace vx
class TForm2;

class TForm1 : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    // The address window, created after this one; the menu only shows it.
    void SetAddressWindow(TForm2* addressWindow) { addressWindow_ = addressWindow; }

    vx::SetupRecord& setupRecord() { return setupRecord_; }
    const vx::ToolSettings& toolSettings() const { return toolSettings_; }
    vx::SetupEditor& setupEditor() { return *editor_; }

  public slots:
    void Setupladen1Click();
    void Setupspeichern1Click();
    void Proframmbeenden1Click();
    void SetupGrundeinstellung1Click();
    void bisV407x1Click();
    void MLinkAdressenndern1Click();
    void deutsch1Click();
    void english1Click();
    void nachKML2D1Click();
    void nachKML3D1Click();
    void nachKMLmitbaromHhe1Click();
    void nachGPX1Click();
    void frSkyplotter1Click();
    void Info1Click();

  protected:
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    void FormCreate();
    void FormResize();
    void BuildConversionMenu();
    void ConvertLog(const char* menuItemName);
    // Puts the window's current outer geometry into the settings, then writes them.
    void SaveSettings();

    std::unique_ptr<Ui::TForm1> ui_;
    vx::SetupRecord setupRecord_;
    vx::ToolSettings toolSettings_;
    vx::SetupEditor* editor_ = nullptr;
    TForm2* addressWindow_ = nullptr;
    vx::ui::OuterPlacement placement_;
    bool placing_ = false;
    // What OpenDialog1 and OpenDialog2 offer again: the file chosen at their previous use.
    QString lastLog_;
    QString lastSetupFile_;
};
