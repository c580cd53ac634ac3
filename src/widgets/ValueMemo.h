#pragma once
// A small read-only one-line text box that shows one value; only the program writes it.

#include <QLineEdit>

namespace vx::ui {

class ValueMemo : public QLineEdit {
    Q_OBJECT
  public:
    explicit ValueMemo(QWidget* parent = nullptr);
};

} // namespace vx::ui
