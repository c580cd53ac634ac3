#include "RadioButton.h"

namespace vx::ui {

RadioButton::RadioButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!wasSelected_ && isChecked())
            emit Click();
    });
}

void RadioButton::nextCheckState() {
    // Called only for a user's click or key, just before the state changes.
    wasSelected_ = isChecked();
    QRadioButton::nextCheckState();
}

void RadioButton::SetSelected(bool selected) {
    if (selected || !isChecked()) {
        setChecked(selected);
        return;
    }
    // An exclusive button refuses to be unchecked directly.
    bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

} // namespace vx::ui
