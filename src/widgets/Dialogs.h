#pragma once
// The one seam through which the windows ask the user for files and show messages, so that
// tests can answer in place of a person. The real program uses Qt's dialogs.

#include <QString>

#include <optional>

class QWidget;

namespace vx::ui {

class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // `filter` in the form "Description|Pattern|Description|Pattern..."; the first pair is
    // preselected. Returns the chosen path, or nothing when the user cancels.
    virtual std::optional<QString> OpenFile(QWidget* parent, const QString& filter,
                                            const QString& previous) = 0;
    // Proposes `fileName`; returns the confirmed path, or nothing when the user cancels.
    virtual std::optional<QString> SaveFile(QWidget* parent, const QString& fileName) = 0;
    // A box titled "Information" with one "OK" button; CR separates the text's lines.
    virtual void Information(QWidget* parent, const QString& text) = 0;
    // The error box that shows a failed command's message.
    virtual void Error(QWidget* parent, const QString& text) = 0;
};

// The dialogs in force: Qt's own unless a test has installed others.
Dialogs& CurrentDialogs();
// Installs `dialogs` (not owned) in place of Qt's; nullptr returns to Qt's.
void InstallDialogs(Dialogs* dialogs);

// The text as a message box shows it: each CR becomes a line break.
QString MessageLines(const QString& text);

} // namespace vx::ui
