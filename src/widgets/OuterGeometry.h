#pragma once
// Places a window by its outer rectangle, frame and title bar included, as the settings file
// and the window resources give it. Qt sizes a window by its client area, and the frame's size
// is known only once the window system has framed the shown window.

#include <QRect>

#include <optional>

class QWidget;

namespace vx::ui {

// The window's outer rectangle on the screen.
QRect OuterGeometry(const QWidget* window);

class OuterPlacement {
  public:
    // Moves and sizes `window` so that its outer rectangle is `outer`, as far as the frame is
    // known now; the rest follows in FrameMayBeKnown.
    void Place(QWidget* window, const QRect& outer);
    // Call from the window's show, move and resize events: once a frame appears, the client
    // size is corrected one time so that the outer size is the one asked for. Returns true
    // while that correction is running, so the window can tell it from the user's resizing.
    bool FrameMayBeKnown(QWidget* window);

  private:
    std::optional<QRect> waitingForFrame_;
    bool correcting_ = false;
};

} // namespace vx::ui
