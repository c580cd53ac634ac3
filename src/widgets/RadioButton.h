#pragma once
// A radio button whose Click runs only when the user selects it while it was not selected;
// setting it from a record (setChecked, SetSelected) runs nothing. Buttons that share a parent
// with other sets' buttons (Qt's auto-exclusion reaches into child widgets) belong in a
// QButtonGroup.

#include <QRadioButton>

namespace vx::ui {

class RadioButton : public QRadioButton {
    Q_OBJECT
  public:
    explicit RadioButton(QWidget* parent = nullptr);

    // Selects or deselects without a Click; deselecting leaves the set with no selection.
    void SetSelected(bool selected);

  signals:
    void Click();

  protected:
    void nextCheckState() override;

  private:
    bool selectedByUser_ = false;
};

} // namespace vx::ui
