#include "UpDown.h"

#include <QToolButton>

#include <algorithm>

namespace vx::ui {

UpDown::UpDown(QWidget* parent)
    : QWidget(parent), up_(new QToolButton(this)), down_(new QToolButton(this)) {
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    for (QToolButton* b : {up_, down_}) {
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
    }
    connect(up_, &QToolButton::clicked, this, [this] { press(UpDownButton::Up); });
    connect(down_, &QToolButton::clicked, this, [this] { press(UpDownButton::Down); });
}

int UpDown::Clamp(int value) const {
    return std::clamp(value, std::min(min_, max_), std::max(min_, max_));
}

void UpDown::setMin(int value) {
    min_ = value;
    position_ = Clamp(position_);
}

void UpDown::setMax(int value) {
    max_ = value;
    position_ = Clamp(position_);
}

void UpDown::setPosition(int value) {
    position_ = Clamp(value);
}

void UpDown::press(UpDownButton button) {
    int target = button == UpDownButton::Up ? max_ : min_;
    int step = target >= position_ ? increment_ : -increment_;
    int next = position_ + step;
    // Never beyond the end it moves toward.
    if ((step > 0 && next > target) || (step < 0 && next < target))
        next = target;
    if (next == position_)
        return;
    position_ = next;
    emit Click(button);
}

void UpDown::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

} // namespace vx::ui
