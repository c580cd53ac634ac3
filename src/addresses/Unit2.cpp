#include "Unit2.h"

#include "ui_TForm2.h"
#include "widgets/Command.h"
#include "widgets/Dialogs.h"
#include "widgets/UpDown.h"
#include "widgets/ValueMemo.h"
#include "widgets/WindowFont.h"

#include <QLabel>

namespace {

constexpr QRect kFormGeometry(443, 214, 352, 567);

} // namespace

TForm2::TForm2(QWidget* parent) : QWidget(parent, Qt::Window), ui_(std::make_unique<Ui::TForm2>()) {
    ui_->setupUi(this);
    // Closing the main window ends the program even while this window is open.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(vx::ui::WindowFont(11));
    for (QLabel* label : findChildren<QLabel*>())
        label->adjustSize();

    rows_[0] = {ui_->UpDown1, ui_->Memo1};
    rows_[1] = {ui_->UpDown2, ui_->Memo2};
    rows_[2] = {ui_->UpDown3, ui_->Memo3};
    rows_[3] = {ui_->UpDown4, ui_->Memo4};
    rows_[4] = {ui_->UpDown5, ui_->Memo5};
    rows_[5] = {ui_->UpDown6, ui_->Memo6};
    rows_[6] = {ui_->UpDown7, ui_->Memo7};
    rows_[7] = {ui_->UpDown8, ui_->Memo8};
    rows_[8] = {ui_->UpDown9, ui_->Memo9};
    rows_[9] = {ui_->UpDown10, ui_->Memo10};
    rows_[10] = {ui_->UpDown11, ui_->Memo11};

    void (TForm2::*handlers[vx::kAddressCount])() = {
        &TForm2::UpDown1Click, &TForm2::UpDown2Click,  &TForm2::UpDown3Click, &TForm2::UpDown4Click,
        &TForm2::UpDown5Click, &TForm2::UpDown6Click,  &TForm2::UpDown7Click, &TForm2::UpDown8Click,
        &TForm2::UpDown9Click, &TForm2::UpDown10Click, &TForm2::UpDown11Click};
    for (std::size_t i = 0; i < vx::kAddressCount; ++i) {
        connect(rows_[i].upDown, &vx::ui::UpDown::Click, this, handlers[i]);
        // The addresses are in the window's regular font, not the editor's bold value font.
        rows_[i].memo->setFont(font());
    }
    connect(ui_->Button1, &QPushButton::clicked, this, &TForm2::Button1Click);
    connect(ui_->Button2, &QPushButton::clicked, this, &TForm2::Button2Click);

    placement_.Place(this, kFormGeometry);
    FormCreate();
}

TForm2::~TForm2() = default;

void TForm2::FormCreate() {
    setWindowTitle(QStringLiteral("Option: Freies Adressen-Setup für M-Link"));
    ApplyAddressDefaults();
}

void TForm2::ApplyAddressDefaults() {
    vx::ApplyAddressDefaults(addressRecord_);
    for (std::size_t i = 0; i < vx::kAddressCount; ++i) {
        rows_[i].upDown->setPosition(addressRecord_.bytes[i]);
        rows_[i].memo->setText(QString::number(addressRecord_.bytes[i]));
    }
}

void TForm2::TakeRowPosition(std::size_t index) {
    addressRecord_.bytes[index] = static_cast<std::uint8_t>(rows_[index].upDown->position());
    rows_[index].memo->setText(QString::number(addressRecord_.bytes[index]));
}

void TForm2::UpDown1Click() {
    TakeRowPosition(0);
}
void TForm2::UpDown2Click() {
    TakeRowPosition(1);
}
void TForm2::UpDown3Click() {
    TakeRowPosition(2);
}
void TForm2::UpDown4Click() {
    TakeRowPosition(3);
}
void TForm2::UpDown5Click() {
    TakeRowPosition(4);
}
void TForm2::UpDown6Click() {
    TakeRowPosition(5);
}
void TForm2::UpDown7Click() {
    TakeRowPosition(6);
}
void TForm2::UpDown8Click() {
    TakeRowPosition(7);
}
void TForm2::UpDown9Click() {
    TakeRowPosition(8);
}
void TForm2::UpDown10Click() {
    TakeRowPosition(9);
}
void TForm2::UpDown11Click() {
    TakeRowPosition(10);
}

void TForm2::Button1Click() {
    vx::ui::RunCommand(this, [this] {
        std::optional<QString> chosen =
            vx::ui::CurrentDialogs().SaveFile(this, QString::fromUtf8(vx::kAddressFileName));
        if (chosen)
            vx::WriteAddressFile(vx::ui::FileInChosenFolder(*chosen, vx::kAddressFileName),
                                 addressRecord_);
    });
}

void TForm2::Button2Click() {
    ApplyAddressDefaults();
}

void TForm2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    placement_.FrameMayBeKnown(this);
}

void TForm2::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    placement_.FrameMayBeKnown(this);
}

void TForm2::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    placement_.FrameMayBeKnown(this);
}
