#include "RadioButton.h"

#include <QButtonGroup>

namespace vx::ui {

RadioButton::RadioButton(QWidget* parent) : QRadioButton(parent) {
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (selectedByUser_) {
            selectedByUser_ = false;
            emit Click();
        }
    });
}

void RadioButton::nextCheckState() {
    // Called only for a user's click or key, and not at all when the button clicked is the
    // selected one of its set.
    const bool wasSelected = isChecked();
    QRadioButton::nextCheckState();
    selectedByUser_ = !wasSelected && isChecked();
}

void RadioButton::SetSelected(bool selected) {
    if (selected || !isChecked()) {
        setChecked(selected);
        return;
    }
    // The selected button of an exclusive set refuses to be unchecked directly.
    if (QButtonGroup* set = group()) {
        const bool exclusive = set->exclusive();
        set->setExclusive(false);
        setChecked(false);
        set->setExclusive(exclusive);
        return;
    }
    const bool exclusive = autoExclusive();
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(exclusive);
}

} // namespace vx::ui
