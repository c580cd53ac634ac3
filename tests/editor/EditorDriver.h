#pragma once
// Drives the setup editor as a user does: presses the real arrow buttons, clicks the real check
// boxes and radio buttons on the offscreen screen, and reads what the controls show.

#include "editor/SetupEditor.h"
#include "setup/SetupRecord.h"

#include <QAbstractButton>
#include <QString>
#include <QStringList>

#include <memory>
#include <set>

namespace vx::ui {
class UpDown;
}

namespace vx::test {

// The editor with the program's one record, shown, as start-up leaves it: the factory setting
// loaded and presented.
class EditorUnderTest {
  public:
    EditorUnderTest();

    // The control of that object name, or nullptr.
    template <class T> T* Control(const QString& name) const { return editor->findChild<T*>(name); }

    SetupRecord record;
    std::unique_ptr<SetupEditor> editor;
};

void PressUp(ui::UpDown* spin);
void PressDown(ui::UpDown* spin);
// A click on the button's indicator, where a user ticks a check box or picks a radio button.
void Click(QAbstractButton* button);

// Scenario scripts. Steps, separated by blanks:
//   UpDown2+ / UpDown2-     a press of the up / down arrow; "UpDown6-*20" presses twenty times
//   CheckBox1, RadioButton37  a click on that control
//   load:4=7,13=9           those bytes put into the record, then ApplySetupToForm
//   defaults                the factory setting loaded and presented
//   firmware                the firmware command: factory setting, ApplySetupAfterFirmwareChoice
// Expectations, separated by blanks:
//   [13]=6                  byte 13 holds 6
//   others=defaults         every byte not named by a [i]= holds its factory value
//   Memo10=5 / Memo10=      the text box shows "5" / is empty
//   UpDown9@2               the spin position is 2
//   CheckBox4=on, RadioButton21=off
//   mode=2, index=0         the Setup 13 editor state
class Scenario {
  public:
    explicit Scenario(EditorUnderTest& editor) : e_(editor) {}

    // Runs the steps; a presentation that changes a byte is recorded as a failure.
    void Run(const QString& steps);
    // Checks the expectations, and that no user action changed a byte they don't name.
    void Check(const QString& expectations);

    const QStringList& Failures() const { return failures_; }

  private:
    void RunStep(const QString& step);
    void CheckOne(const QString& expectation, std::set<int>& namedBytes);
    void Fail(const QString& text) { failures_ << text; }

    EditorUnderTest& e_;
    std::set<int> changedByUser_;
    QStringList failures_;
};

} // namespace vx::test
