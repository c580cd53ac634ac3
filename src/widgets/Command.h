#pragma once
// What every command of the windows shares: the error box for a failed command, and the paths
// that the file dialogs hand back.

#include <QString>

#include <filesystem>
#include <functional>

class QWidget;

namespace vx::ui {

// Runs one command. A failure ends it and its message goes to the error box; the program goes on
// with whatever the finished steps left.
void RunCommand(QWidget* parent, const std::function<void()>& command);

// A path from a dialog as the file system spells it.
std::filesystem::path ToPath(const QString& path);

// The device files have fixed names: the dialog's choice picks only the folder.
std::filesystem::path FileInChosenFolder(const QString& chosen, const char* fixedName);

} // namespace vx::ui
