#pragma once
// A spin-arrow control: a whole-number position between Min and Max, moved by Increment with
// an up arrow (toward Max) and a down arrow (toward Min). It shows no number of its own; its
// Click handler writes whatever text belongs to it. Min may be greater than Max.

#include <QWidget>

class QToolButton;

namespace vx::ui {

enum class UpDownButton { Up, Down };

class UpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int min READ min WRITE setMin)
    Q_PROPERTY(int max READ max WRITE setMax)
    Q_PROPERTY(int increment READ increment WRITE setIncrement)
    Q_PROPERTY(int position READ position WRITE setPosition)

  public:
    explicit UpDown(QWidget* parent = nullptr);

    int min() const { return min_; }
    int max() const { return max_; }
    int increment() const { return increment_; }
    int position() const { return position_; }
    void setMin(int value);
    void setMax(int value);
    void setIncrement(int value) { increment_ = value; }
    // Set by the program, not the user: no Click. A position outside the range is held at the
    // nearer end.
    void setPosition(int value);

    // What a press of an arrow does; emits Click only when the position moved.
    void press(UpDownButton button);

    QToolButton* upButton() const { return up_; }
    QToolButton* downButton() const { return down_; }

  signals:
    void Click(vx::ui::UpDownButton button);

  protected:
    void resizeEvent(QResizeEvent* event) override;

  private:
    int Clamp(int value) const;

    int min_ = 0;
    int max_ = 100;
    int increment_ = 1;
    int position_ = 0;
    QToolButton* up_;
    QToolButton* down_;
};

} // namespace vx::ui
