#pragma once
// The setup editor: the main window's client area with one group of controls per field of the
// SetupRecord. A user action on a control writes its field at once; ApplySetupToForm presents
// the whole record without running any handler.

#include "setup/SetupRecord.h"

#include <QWidget>

namespace vx {

class SetupEditor : public QWidget {
    Q_OBJECT

public:
    // `record` is the program's one SetupRecord, owned by the main window.
    explicit SetupEditor(SetupRecord& record, QWidget* parent = nullptr);
    ~SetupEditor() override;

    // Presents every field (bytes 1..18, then 0, then 19); changes no byte.
    void ApplySetupToForm();

    // After the firmware command has reloaded the factory setting: presents the record like
    // ApplySetupToForm, except that Setup 13 keeps its value mode and switches the additional
    // altitude announcement off, rebuilding byte 13 from the mode.
    void ApplySetupAfterFirmwareChoice();

    // Shows n for an AltitudeAnnouncementIndex in Memo10: 0 empties it, 1/2/3 show 2/5/10,
    // any other index leaves it as it was.
    void ShowAltitudeAnnouncementStep(int index);

    // The Setup 13 editor state: the two parts of byte 13 kept between user actions.
    int IntegralValueMode() const;
    int AltitudeAnnouncementIndex() const;

    // (private members, the .ui form and the named handlers UpDown2Click, RadioButton11Click,
    //  CheckBox5Click, ... are added by the editor's implementation)
};

} // namespace vx
