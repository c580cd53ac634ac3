#pragma once
// The setup editor: the main window's client area with one group of controls per field of the
// SetupRecord. A user action on a control writes its field at once; ApplySetupToForm presents
// the whole record without running any handler.

#include "setup/SetupRecord.h"

#include "editor/SetupBinding.h"

#include <QWidget>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

class QCheckBox;
namespace Ui {
class SetupEditorForm;
}

namespace vx {

namespace ui {
class RadioButton;
class UpDown;
class ValueMemo;
} // namespace ui

class SetupEditor : public QWidget {
    Q_OBJECT

  public:
    // `record` is the program's one SetupRecord, owned by the main window.
    explicit SetupEditor(SetupRecord& record, QWidget* parent = nullptr);
    ~SetupEditor() override;

    // Presents every field (bytes 1..18, then 0, then 19); changes no byte.
    void ApplySetupToForm();

    // After the firmware command has reloaded the factory setting: presents the record like
    // ApplySetupToForm, except that Setup 13 keeps its value mode and switches the additional
    // altitude announcement off, rebuilding byte 13 from the mode.
    void ApplySetupAfterFirmwareChoice();

    // Shows n for an AltitudeAnnouncementIndex in Memo10: 0 empties it, 1/2/3 show 2/5/10,
    // any other index leaves it as it was.
    void ShowAltitudeAnnouncementStep(int index);

    // The Setup 13 editor state: the two parts of byte 13 kept between user actions.
    int IntegralValueMode() const;
    int AltitudeAnnouncementIndex() const;

  private:
    // A radio button that stores a fixed value in one byte.
    struct Choice {
        ui::RadioButton* button;
        std::size_t byteIndex;
        int value;
    };

    void ConnectHandlers();
    void ApplyFonts();
    void Present(std::size_t byteIndex);
    void PresentSpin(ui::UpDown* spin, ui::ValueMemo* memo, std::uint8_t value,
                     binding::Scale scale);
    void PresentSwitchable(QCheckBox* off, ui::UpDown* spin, ui::ValueMemo* memo,
                           std::uint8_t value, bool isOff, binding::Scale scale);
    void PresentChoice(std::size_t byteIndex);
    void PresentOptionFlags();
    void PresentIntegralVarioAnnouncements();
    void PresentMotorBatteryCapacity();
    void SwitchOffAltitudeAnnouncement();

    std::uint8_t& Byte(std::size_t index);
    void Store(std::size_t index, int value);
    void ShowValue(ui::ValueMemo* memo, int value, binding::Scale scale);
    void StoreChoice(const ui::RadioButton* button);
    void StoreSpin(std::size_t index, ui::UpDown* spin, ui::ValueMemo* memo, binding::Scale scale);
    void StoreUnlessOff(std::size_t index, QCheckBox* off, ui::UpDown* spin, ui::ValueMemo* memo,
                        binding::Scale scale);
    void ToggleAlarmOff(std::size_t index, QCheckBox* off, ui::UpDown* spin, ui::ValueMemo* memo,
                        binding::Scale scale, int spinStart);
    void StoreOptionFlags(bool nmea, bool logView, bool skyNav);
    void StoreIntegralVarioAnnouncements();
    void StoreAltitudeAnnouncement();
    void StoreMotorBatteryCapacity();

    // Optional setups: byte 0 and byte 19.
    void UpDown1Click();
    void RadioButton40Click();
    void RadioButton37Click();
    void RadioButton38Click();
    void RadioButton39Click();
    void RadioButton34Click();
    void RadioButton35Click();
    void RadioButton36Click();
    // Setups 1 to 5 and 8.
    void UpDown2Click();
    void UpDown3Click();
    void CheckBox1Click();
    void UpDown4Click();
    void RadioButton1Click();
    void RadioButton2Click();
    void RadioButton30Click();
    void RadioButton31Click();
    void RadioButton32Click();
    void RadioButton33Click();
    void RadioButton3Click();
    void RadioButton4Click();
    void RadioButton5Click();
    void RadioButton29Click();
    void RadioButton6Click();
    void RadioButton7Click();
    void RadioButton8Click();
    void RadioButton9Click();
    void RadioButton10Click();
    // Setup 13.
    void RadioButton21Click();
    void RadioButton22Click();
    void UpDown9Click();
    void CheckBox4Click();
    // Setups 6, 7, 9 to 12 and 14 to 18.
    void UpDown5Click();
    void UpDown6Click();
    void RadioButton11Click();
    void RadioButton12Click();
    void RadioButton13Click();
    void RadioButton14Click();
    void RadioButton15Click();
    void RadioButton16Click();
    void RadioButton19Click();
    void RadioButton17Click();
    void RadioButton18Click();
    void RadioButton20Click();
    void RadioButton28Click();
    void CheckBox2Click();
    void UpDown7Click();
    void CheckBox3Click();
    void UpDown8Click();
    void RadioButton23Click();
    void RadioButton24Click();
    void RadioButton25Click();
    void RadioButton41Click();
    void RadioButton26Click();
    void RadioButton27Click();
    void UpDown10Click();
    void CheckBox6Click();
    void UpDown11Click();
    void CheckBox5Click();
    void UpDown12Click();

    SetupRecord& record_;
    std::unique_ptr<Ui::SetupEditorForm> ui_;
    std::vector<Choice> choices_;
    // The form starts with "Werte als absolute Differenz in Meter" and no extra announcement.
    int integralValueMode_ = 1;
    int altitudeAnnouncementIndex_ = 0;
};

} // namespace vx
