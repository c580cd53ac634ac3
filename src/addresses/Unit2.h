#pragma once
// The address window: one row per telemetry value whose spin button chooses its M-Link address,
// a reset to the default addresses, and the save of "ADRESSEN.HEX". Created once, hidden, at
// start-up; showing it again shows the addresses as they were left.

#include "addresses/AddressRecord.h"
#include "widgets/OuterGeometry.h"

#include <QWidget>

#include <memory>

namespace Ui {
class TForm2;
}
namespace vx::ui {
class UpDown;
class ValueMemo;
} // namespace vx::ui

class TForm2 : public QWidget {
    Q_OBJECT

  public:
    explicit TForm2(QWidget* parent = nullptr);
    ~TForm2() override;

    const vx::AddressRecord& addressRecord() const { return addressRecord_; }

  public slots:
    void UpDown1Click();
    void UpDown2Click();
    void UpDown3Click();
    void UpDown4Click();
    void UpDown5Click();
    void UpDown6Click();
    void UpDown7Click();
    void UpDown8Click();
    void UpDown9Click();
    void UpDown10Click();
    void UpDown11Click();
    void Button1Click();
    void Button2Click();

  protected:
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

  private:
    struct Row {
        vx::ui::UpDown* upDown;
        vx::ui::ValueMemo* memo;
    };

    void FormCreate();
    // Sets every address to its default and shows it in its row.
    void ApplyAddressDefaults();
    // Row `index` (0 to 10) takes its spin button's position as its address.
    void TakeRowPosition(std::size_t index);

    std::unique_ptr<Ui::TForm2> ui_;
    vx::AddressRecord addressRecord_;
    Row rows_[vx::kAddressCount] = {};
    vx::ui::OuterPlacement placement_;
};
