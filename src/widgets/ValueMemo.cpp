#include "ValueMemo.h"

namespace vx::ui {

ValueMemo::ValueMemo(QWidget* parent) : QLineEdit(parent) {
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    QFont bold = font();
    bold.setBold(true);
    setFont(bold);
}

} // namespace vx::ui
