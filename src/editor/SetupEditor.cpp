#include "SetupEditor.h"

#include "ui_SetupEditor.h"
#include "widgets/RadioButton.h"
#include "widgets/UpDown.h"
#include "widgets/ValueMemo.h"
#include "widgets/WindowFont.h"

#include <QCheckBox>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>

#include <array>

namespace vx {

using binding::Scale;

namespace {

// The client area the 19 groups need.
constexpr int kClientWidth = 860;
constexpr int kClientHeight = 800;

// Presentation order: Setup 1 to Setup 18, then the optional setups.
constexpr std::array<std::size_t, kSetupRecordSize> kPresentationOrder = {
    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 0, 19};

std::string SystemDecimalPoint() {
    return QLocale::system().decimalPoint().toStdString();
}

} // namespace

SetupEditor::SetupEditor(SetupRecord& record, QWidget* parent)
    : QWidget(parent), record_(record), ui_(std::make_unique<Ui::SetupEditorForm>()) {
    ui_->setupUi(this);
    setFixedSize(kClientWidth, kClientHeight);
    // The second "Warnschwelle" (Label14) lies behind this group box and must not show through.
    ui_->GroupBox1->setAutoFillBackground(true);
    ApplyFonts();
    auto& f = *ui_;
    choices_ = {
        {f.RadioButton1, 4, 1},   {f.RadioButton2, 4, 2},   {f.RadioButton30, 4, 3},
        {f.RadioButton31, 4, 4},  {f.RadioButton32, 4, 5},  {f.RadioButton33, 4, 6},
        {f.RadioButton3, 5, 1},   {f.RadioButton4, 5, 2},   {f.RadioButton5, 5, 3},
        {f.RadioButton29, 5, 4},  {f.RadioButton6, 8, 0},   {f.RadioButton7, 8, 1},
        {f.RadioButton8, 8, 2},   {f.RadioButton9, 8, 3},   {f.RadioButton10, 8, 4},
        {f.RadioButton11, 9, 0},  {f.RadioButton12, 9, 1},  {f.RadioButton13, 9, 2},
        {f.RadioButton14, 9, 3},  {f.RadioButton15, 9, 4},  {f.RadioButton16, 9, 5},
        {f.RadioButton19, 10, 0}, {f.RadioButton17, 10, 1}, {f.RadioButton18, 10, 2},
        {f.RadioButton20, 10, 3}, {f.RadioButton28, 10, 4}, {f.RadioButton23, 14, 1},
        {f.RadioButton24, 14, 2}, {f.RadioButton25, 14, 3}, {f.RadioButton41, 14, 4},
        {f.RadioButton26, 15, 1}, {f.RadioButton27, 15, 0}, {f.RadioButton34, 19, 0},
        {f.RadioButton35, 19, 1}, {f.RadioButton36, 19, 2},
    };
    ConnectHandlers();
}

SetupEditor::~SetupEditor() = default;

void SetupEditor::ApplyFonts() {
    setFont(ui::WindowFont(10, false));
    for (QGroupBox* group : findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        const QString name = group->objectName();
        int pixels =
            name == QLatin1String("GroupBox2") || name == QLatin1String("GroupBox1") ? 12 : 11;
        group->setFont(ui::WindowFont(name == QLatin1String("GroupBox14") ? 10 : pixels, true));
        for (QWidget* child : group->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
            child->setFont(ui::WindowFont(pixels, qobject_cast<ui::ValueMemo*>(child) != nullptr));
    }
    // The pulse set and the hidden label stand in the optional setups' group.
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->RadioButton34, ui_->RadioButton35,
                                                      ui_->RadioButton36, ui_->Label14})
        w->setFont(ui::WindowFont(12, false));
    for (QLabel* label : findChildren<QLabel*>())
        label->adjustSize();
}

void SetupEditor::ConnectHandlers() {
    auto& f = *ui_;
    auto spin = [this](ui::UpDown* control, void (SetupEditor::*handler)()) {
        connect(control, &ui::UpDown::Click, this, handler);
    };
    auto radio = [this](ui::RadioButton* control, void (SetupEditor::*handler)()) {
        connect(control, &ui::RadioButton::Click, this, handler);
    };
    auto check = [this](QCheckBox* control, void (SetupEditor::*handler)()) {
        connect(control, &QCheckBox::clicked, this, handler);
    };
    spin(f.UpDown1, &SetupEditor::UpDown1Click);
    radio(f.RadioButton40, &SetupEditor::RadioButton40Click);
    radio(f.RadioButton37, &SetupEditor::RadioButton37Click);
    radio(f.RadioButton38, &SetupEditor::RadioButton38Click);
    radio(f.RadioButton39, &SetupEditor::RadioButton39Click);
    radio(f.RadioButton34, &SetupEditor::RadioButton34Click);
    radio(f.RadioButton35, &SetupEditor::RadioButton35Click);
    radio(f.RadioButton36, &SetupEditor::RadioButton36Click);
    spin(f.UpDown2, &SetupEditor::UpDown2Click);
    spin(f.UpDown3, &SetupEditor::UpDown3Click);
    check(f.CheckBox1, &SetupEditor::CheckBox1Click);
    spin(f.UpDown4, &SetupEditor::UpDown4Click);
    radio(f.RadioButton1, &SetupEditor::RadioButton1Click);
    radio(f.RadioButton2, &SetupEditor::RadioButton2Click);
    radio(f.RadioButton30, &SetupEditor::RadioButton30Click);
    radio(f.RadioButton31, &SetupEditor::RadioButton31Click);
    radio(f.RadioButton32, &SetupEditor::RadioButton32Click);
    radio(f.RadioButton33, &SetupEditor::RadioButton33Click);
    radio(f.RadioButton3, &SetupEditor::RadioButton3Click);
    radio(f.RadioButton4, &SetupEditor::RadioButton4Click);
    radio(f.RadioButton5, &SetupEditor::RadioButton5Click);
    radio(f.RadioButton29, &SetupEditor::RadioButton29Click);
    radio(f.RadioButton6, &SetupEditor::RadioButton6Click);
    radio(f.RadioButton7, &SetupEditor::RadioButton7Click);
    radio(f.RadioButton8, &SetupEditor::RadioButton8Click);
    radio(f.RadioButton9, &SetupEditor::RadioButton9Click);
    radio(f.RadioButton10, &SetupEditor::RadioButton10Click);
    radio(f.RadioButton21, &SetupEditor::RadioButton21Click);
    radio(f.RadioButton22, &SetupEditor::RadioButton22Click);
    spin(f.UpDown9, &SetupEditor::UpDown9Click);
    check(f.CheckBox4, &SetupEditor::CheckBox4Click);
    spin(f.UpDown5, &SetupEditor::UpDown5Click);
    spin(f.UpDown6, &SetupEditor::UpDown6Click);
    radio(f.RadioButton11, &SetupEditor::RadioButton11Click);
    radio(f.RadioButton12, &SetupEditor::RadioButton12Click);
    radio(f.RadioButton13, &SetupEditor::RadioButton13Click);
    radio(f.RadioButton14, &SetupEditor::RadioButton14Click);
    radio(f.RadioButton15, &SetupEditor::RadioButton15Click);
    radio(f.RadioButton16, &SetupEditor::RadioButton16Click);
    radio(f.RadioButton19, &SetupEditor::RadioButton19Click);
    radio(f.RadioButton17, &SetupEditor::RadioButton17Click);
    radio(f.RadioButton18, &SetupEditor::RadioButton18Click);
    radio(f.RadioButton20, &SetupEditor::RadioButton20Click);
    radio(f.RadioButton28, &SetupEditor::RadioButton28Click);
    check(f.CheckBox2, &SetupEditor::CheckBox2Click);
    spin(f.UpDown7, &SetupEditor::UpDown7Click);
    check(f.CheckBox3, &SetupEditor::CheckBox3Click);
    spin(f.UpDown8, &SetupEditor::UpDown8Click);
    radio(f.RadioButton23, &SetupEditor::RadioButton23Click);
    radio(f.RadioButton24, &SetupEditor::RadioButton24Click);
    radio(f.RadioButton25, &SetupEditor::RadioButton25Click);
    radio(f.RadioButton41, &SetupEditor::RadioButton41Click);
    radio(f.RadioButton26, &SetupEditor::RadioButton26Click);
    radio(f.RadioButton27, &SetupEditor::RadioButton27Click);
    spin(f.UpDown10, &SetupEditor::UpDown10Click);
    check(f.CheckBox6, &SetupEditor::CheckBox6Click);
    spin(f.UpDown11, &SetupEditor::UpDown11Click);
    check(f.CheckBox5, &SetupEditor::CheckBox5Click);
    spin(f.UpDown12, &SetupEditor::UpDown12Click);
}

// ---- Presentation: sets controls only, never a byte, never a handler ----

void SetupEditor::ApplySetupToForm() {
    for (std::size_t index : kPresentationOrder)
        Present(index);
}

void SetupEditor::ApplySetupAfterFirmwareChoice() {
    for (std::size_t index : kPresentationOrder) {
        if (index == 13)
            SwitchOffAltitudeAnnouncement();
        else
            Present(index);
    }
}

void SetupEditor::Present(std::size_t index) {
    auto& f = *ui_;
    const std::uint8_t value = SetupByte(record_, index);
    switch (index) {
    case 0:
        return PresentOptionFlags();
    case 1:
        return PresentSpin(f.UpDown2, f.Memo3, value, Scale::Whole);
    case 2:
        return PresentSpin(f.UpDown3, f.Memo4, value, Scale::Whole);
    case 3:
        return PresentSwitchable(f.CheckBox1, f.UpDown4, f.Memo5, value,
                                 binding::IsNoIntegralVarioAnnouncement(value), Scale::Whole);
    case 6:
        return PresentSpin(f.UpDown5, f.Memo6, value, Scale::Tenths);
    case 7:
        return PresentSpin(f.UpDown6, f.Memo7, value, Scale::NegativeTenths);
    case 11:
        return PresentSwitchable(f.CheckBox2, f.UpDown7, f.Memo8, value, value == 0, Scale::Whole);
    case 12:
        return PresentSwitchable(f.CheckBox3, f.UpDown8, f.Memo9, value, value == 0, Scale::Halves);
    case 13:
        return PresentIntegralVarioAnnouncements();
    case 16:
        return PresentSpin(f.UpDown10, f.Memo13, value, Scale::Whole);
    case 17:
        return PresentMotorBatteryCapacity();
    case 18:
        return PresentSwitchable(f.CheckBox5, f.UpDown12, f.Memo15, value, value == 0,
                                 Scale::Whole);
    default:
        return PresentChoice(index);
    }
}

void SetupEditor::PresentSpin(ui::UpDown* spin, ui::ValueMemo* memo, std::uint8_t value,
                              Scale scale) {
    spin->setPosition(value); // held at the nearer end; the text shows the value itself
    ShowValue(memo, value, scale);
}

void SetupEditor::PresentSwitchable(QCheckBox* off, ui::UpDown* spin, ui::ValueMemo* memo,
                                    std::uint8_t value, bool isOff, Scale scale) {
    off->setChecked(isOff);
    if (isOff) {
        memo->clear();
        return;
    }
    PresentSpin(spin, memo, value, scale);
}

void SetupEditor::PresentChoice(std::size_t index) {
    const std::uint8_t value = SetupByte(record_, index);
    // A value without a button leaves the earlier selection standing.
    for (const Choice& choice : choices_)
        if (choice.byteIndex == index && choice.value == value)
            choice.button->SetSelected(true);
}

void SetupEditor::PresentOptionFlags() {
    auto& f = *ui_;
    const std::uint8_t value = record_.OptionFlags;
    PresentSpin(f.UpDown1, f.Memo2, binding::WarningLevel(value), Scale::Whole);
    f.RadioButton40->SetSelected(!binding::HasSerialOutput(value));
    // With several output bits set, the last selection wins: the highest bit is shown.
    f.RadioButton37->SetSelected((value & binding::kNmeaBit) != 0);
    f.RadioButton38->SetSelected((value & binding::kLogViewBit) != 0);
    f.RadioButton39->SetSelected((value & binding::kSkyNavBit) != 0);
}

void SetupEditor::PresentIntegralVarioAnnouncements() {
    auto& f = *ui_;
    const std::uint8_t value = record_.IntegralVarioAnnouncements;
    const IntegralVarioParts parts = SplitIntegralVarioAnnouncements(value);
    integralValueMode_ = parts.IntegralValueMode;
    altitudeAnnouncementIndex_ = parts.AltitudeAnnouncementIndex;
    if (integralValueMode_ == 1)
        f.RadioButton21->SetSelected(true);
    else if (integralValueMode_ == 2)
        f.RadioButton22->SetSelected(true);
    f.UpDown9->setPosition(altitudeAnnouncementIndex_);
    f.CheckBox4->setChecked(altitudeAnnouncementIndex_ >= 1);
    ShowAltitudeAnnouncementStep(altitudeAnnouncementIndex_);
}

void SetupEditor::PresentMotorBatteryCapacity() {
    auto& f = *ui_;
    const std::uint8_t value = record_.MotorBatteryCapacity;
    const int capacity = binding::Capacity(value);
    f.UpDown11->setPosition(capacity);
    if (value != 0)
        ShowValue(f.Memo14, capacity, Scale::Tenths);
    else
        f.Memo14->clear(); // no capacity given: as at start-up
    f.CheckBox6->setChecked(binding::CapacityInPercent(value));
}

// The firmware command keeps the value mode and switches the additional announcement off.
void SetupEditor::SwitchOffAltitudeAnnouncement() {
    auto& f = *ui_;
    f.UpDown9->setPosition(altitudeAnnouncementIndex_);
    altitudeAnnouncementIndex_ = 0;
    f.CheckBox4->setChecked(false);
    ShowAltitudeAnnouncementStep(altitudeAnnouncementIndex_);
    StoreIntegralVarioAnnouncements();
}

void SetupEditor::ShowAltitudeAnnouncementStep(int index) {
    const int step = binding::AltitudeAnnouncementStep(index);
    if (step == 0)
        ui_->Memo10->clear();
    else if (step > 0)
        ui_->Memo10->setText(QString::number(step));
}

int SetupEditor::IntegralValueMode() const {
    return integralValueMode_;
}

int SetupEditor::AltitudeAnnouncementIndex() const {
    return altitudeAnnouncementIndex_;
}

// ---- What the handlers share ----

std::uint8_t& SetupEditor::Byte(std::size_t index) {
    return SetupByte(record_, index);
}

void SetupEditor::Store(std::size_t index, int value) {
    Byte(index) = binding::LowByte(value);
}

void SetupEditor::ShowValue(ui::ValueMemo* memo, int value, Scale scale) {
    memo->setText(QString::fromStdString(binding::ValueText(value, scale, SystemDecimalPoint())));
}

void SetupEditor::StoreChoice(const ui::RadioButton* button) {
    for (const Choice& choice : choices_)
        if (choice.button == button)
            Store(choice.byteIndex, choice.value);
}

void SetupEditor::StoreSpin(std::size_t index, ui::UpDown* spin, ui::ValueMemo* memo, Scale scale) {
    Store(index, spin->position());
    ShowValue(memo, spin->position(), scale);
}

void SetupEditor::StoreUnlessOff(std::size_t index, QCheckBox* off, ui::UpDown* spin,
                                 ui::ValueMemo* memo, Scale scale) {
    if (off->isChecked()) {
        Store(index, 0);
        memo->clear();
        return;
    }
    StoreSpin(index, spin, memo, scale);
}

// Unticking keeps the byte (0 after a tick) and shows it; the spin starts over either way.
void SetupEditor::ToggleAlarmOff(std::size_t index, QCheckBox* off, ui::UpDown* spin,
                                 ui::ValueMemo* memo, Scale scale, int spinStart) {
    if (off->isChecked()) {
        Store(index, 0);
        memo->clear();
    } else {
        ShowValue(memo, Byte(index), scale);
    }
    spin->setPosition(spinStart);
}

void SetupEditor::StoreOptionFlags(bool nmea, bool logView, bool skyNav) {
    const int level = ui_->UpDown1->position();
    record_.OptionFlags = binding::OptionFlags(level, nmea, logView, skyNav);
    ShowValue(ui_->Memo2, level, Scale::Whole);
}

void SetupEditor::StoreIntegralVarioAnnouncements() {
    record_.IntegralVarioAnnouncements =
        CombineIntegralVarioAnnouncements(altitudeAnnouncementIndex_, integralValueMode_);
}

void SetupEditor::StoreAltitudeAnnouncement() {
    altitudeAnnouncementIndex_ = ui_->CheckBox4->isChecked() ? ui_->UpDown9->position() : 0;
    ShowAltitudeAnnouncementStep(altitudeAnnouncementIndex_);
    StoreIntegralVarioAnnouncements();
}

void SetupEditor::StoreMotorBatteryCapacity() {
    const int capacity = ui_->UpDown11->position();
    record_.MotorBatteryCapacity =
        binding::MotorBatteryCapacity(capacity, ui_->CheckBox6->isChecked());
    ShowValue(ui_->Memo14, capacity, Scale::Tenths);
}

// ---- Optional setups ----

void SetupEditor::UpDown1Click() {
    StoreOptionFlags(ui_->RadioButton37->isChecked(), ui_->RadioButton38->isChecked(),
                     ui_->RadioButton39->isChecked());
}
void SetupEditor::RadioButton40Click() {
    StoreOptionFlags(false, false, false);
}
void SetupEditor::RadioButton37Click() {
    StoreOptionFlags(true, false, false);
}
void SetupEditor::RadioButton38Click() {
    StoreOptionFlags(false, true, false);
}
void SetupEditor::RadioButton39Click() {
    StoreOptionFlags(false, false, true);
}
void SetupEditor::RadioButton34Click() {
    StoreChoice(ui_->RadioButton34);
}
void SetupEditor::RadioButton35Click() {
    StoreChoice(ui_->RadioButton35);
}
void SetupEditor::RadioButton36Click() {
    StoreChoice(ui_->RadioButton36);
}

// ---- Setups 1 to 5 and 8 ----

void SetupEditor::UpDown2Click() {
    StoreSpin(1, ui_->UpDown2, ui_->Memo3, Scale::Whole);
}
void SetupEditor::UpDown3Click() {
    StoreSpin(2, ui_->UpDown3, ui_->Memo4, Scale::Whole);
}

void SetupEditor::CheckBox1Click() {
    if (ui_->CheckBox1->isChecked()) {
        record_.IntegralVarioInterval = binding::kNoIntegralVarioAnnouncement;
        ui_->Memo5->clear();
        return;
    }
    ui_->UpDown4->setPosition(binding::kIntegralVarioIntervalRestored);
    StoreSpin(3, ui_->UpDown4, ui_->Memo5, Scale::Whole);
}

void SetupEditor::UpDown4Click() {
    if (ui_->CheckBox1->isChecked()) {
        record_.IntegralVarioInterval = binding::kNoIntegralVarioAnnouncement;
        ui_->Memo5->clear();
        return;
    }
    StoreSpin(3, ui_->UpDown4, ui_->Memo5, Scale::Whole);
}

void SetupEditor::RadioButton1Click() {
    StoreChoice(ui_->RadioButton1);
}
void SetupEditor::RadioButton2Click() {
    StoreChoice(ui_->RadioButton2);
}
void SetupEditor::RadioButton30Click() {
    StoreChoice(ui_->RadioButton30);
}
void SetupEditor::RadioButton31Click() {
    StoreChoice(ui_->RadioButton31);
}
void SetupEditor::RadioButton32Click() {
    StoreChoice(ui_->RadioButton32);
}
void SetupEditor::RadioButton33Click() {
    StoreChoice(ui_->RadioButton33);
}
void SetupEditor::RadioButton3Click() {
    StoreChoice(ui_->RadioButton3);
}
void SetupEditor::RadioButton4Click() {
    StoreChoice(ui_->RadioButton4);
}
void SetupEditor::RadioButton5Click() {
    StoreChoice(ui_->RadioButton5);
}
void SetupEditor::RadioButton29Click() {
    StoreChoice(ui_->RadioButton29);
}
void SetupEditor::RadioButton6Click() {
    StoreChoice(ui_->RadioButton6);
}
void SetupEditor::RadioButton7Click() {
    StoreChoice(ui_->RadioButton7);
}
void SetupEditor::RadioButton8Click() {
    StoreChoice(ui_->RadioButton8);
}
void SetupEditor::RadioButton9Click() {
    StoreChoice(ui_->RadioButton9);
}
void SetupEditor::RadioButton10Click() {
    StoreChoice(ui_->RadioButton10);
}

// ---- Setup 13 ----

void SetupEditor::RadioButton21Click() {
    integralValueMode_ = 1;
    StoreIntegralVarioAnnouncements();
}
void SetupEditor::RadioButton22Click() {
    integralValueMode_ = 2;
    StoreIntegralVarioAnnouncements();
}
void SetupEditor::UpDown9Click() {
    StoreAltitudeAnnouncement();
}
void SetupEditor::CheckBox4Click() {
    StoreAltitudeAnnouncement();
}

// ---- Setups 6, 7, 9 to 12 and 14 to 18 ----

void SetupEditor::UpDown5Click() {
    StoreSpin(6, ui_->UpDown5, ui_->Memo6, Scale::Tenths);
}
void SetupEditor::UpDown6Click() {
    StoreSpin(7, ui_->UpDown6, ui_->Memo7, Scale::NegativeTenths);
}

// Operation without a current sensor also switches off the motor-battery voltage alarm.
void SetupEditor::RadioButton11Click() {
    StoreChoice(ui_->RadioButton11);
    ui_->CheckBox3->setChecked(true);
    ToggleAlarmOff(12, ui_->CheckBox3, ui_->UpDown8, ui_->Memo9, Scale::Halves, 10);
}
void SetupEditor::RadioButton12Click() {
    StoreChoice(ui_->RadioButton12);
}
void SetupEditor::RadioButton13Click() {
    StoreChoice(ui_->RadioButton13);
}
void SetupEditor::RadioButton14Click() {
    StoreChoice(ui_->RadioButton14);
}
void SetupEditor::RadioButton15Click() {
    StoreChoice(ui_->RadioButton15);
}
void SetupEditor::RadioButton16Click() {
    StoreChoice(ui_->RadioButton16);
}
void SetupEditor::RadioButton19Click() {
    StoreChoice(ui_->RadioButton19);
}
void SetupEditor::RadioButton17Click() {
    StoreChoice(ui_->RadioButton17);
}
void SetupEditor::RadioButton18Click() {
    StoreChoice(ui_->RadioButton18);
}
void SetupEditor::RadioButton20Click() {
    StoreChoice(ui_->RadioButton20);
}
void SetupEditor::RadioButton28Click() {
    StoreChoice(ui_->RadioButton28);
}

void SetupEditor::CheckBox2Click() {
    ToggleAlarmOff(11, ui_->CheckBox2, ui_->UpDown7, ui_->Memo8, Scale::Whole, 5);
}
void SetupEditor::UpDown7Click() {
    StoreUnlessOff(11, ui_->CheckBox2, ui_->UpDown7, ui_->Memo8, Scale::Whole);
}
void SetupEditor::CheckBox3Click() {
    ToggleAlarmOff(12, ui_->CheckBox3, ui_->UpDown8, ui_->Memo9, Scale::Halves, 10);
}
void SetupEditor::UpDown8Click() {
    StoreUnlessOff(12, ui_->CheckBox3, ui_->UpDown8, ui_->Memo9, Scale::Halves);
}

void SetupEditor::RadioButton23Click() {
    StoreChoice(ui_->RadioButton23);
}
void SetupEditor::RadioButton24Click() {
    StoreChoice(ui_->RadioButton24);
}
void SetupEditor::RadioButton25Click() {
    StoreChoice(ui_->RadioButton25);
}
void SetupEditor::RadioButton41Click() {
    StoreChoice(ui_->RadioButton41);
}
void SetupEditor::RadioButton26Click() {
    StoreChoice(ui_->RadioButton26);
}
void SetupEditor::RadioButton27Click() {
    StoreChoice(ui_->RadioButton27);
}

void SetupEditor::UpDown10Click() {
    StoreSpin(16, ui_->UpDown10, ui_->Memo13, Scale::Whole);
}
void SetupEditor::CheckBox6Click() {
    StoreMotorBatteryCapacity();
}
void SetupEditor::UpDown11Click() {
    StoreMotorBatteryCapacity();
}

// Unlike Setups 11 and 12, unticking takes the spin position at once.
void SetupEditor::CheckBox5Click() {
    StoreUnlessOff(18, ui_->CheckBox5, ui_->UpDown12, ui_->Memo15, Scale::Whole);
}
void SetupEditor::UpDown12Click() {
    StoreUnlessOff(18, ui_->CheckBox5, ui_->UpDown12, ui_->Memo15, Scale::Whole);
}

} // namespace vx
