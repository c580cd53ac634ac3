#include "OuterGeometry.h"

#include <QWidget>

namespace vx::ui {

namespace {

QSize FrameExtra(const QWidget* window) {
    return window->frameGeometry().size() - window->geometry().size();
}

} // namespace

QRect OuterGeometry(const QWidget* window) {
    return window->frameGeometry();
}

void OuterPlacement::Place(QWidget* window, const QRect& outer) {
    QSize extra = FrameExtra(window);
    window->move(outer.topLeft()); // a window's position is that of its frame
    window->resize(outer.size() - extra);
    waitingForFrame_.reset();
    if (extra.isNull())
        waitingForFrame_ = outer;
}

bool OuterPlacement::FrameMayBeKnown(QWidget* window) {
    if (correcting_)
        return true;
    if (!waitingForFrame_ || !window->isVisible() || FrameExtra(window).isNull())
        return false;
    QRect outer = *waitingForFrame_;
    correcting_ = true;
    Place(window, outer);
    correcting_ = false;
    waitingForFrame_.reset();
    return true;
}

} // namespace vx::ui
