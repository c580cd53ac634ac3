#pragma once
// A radio button whose Click runs only when the user selects it while it was not selected;
// setting it from a record (setChecked, SetSelected) runs nothing.

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
    bool wasSelected_ = false;
};

} // namespace vx::ui
