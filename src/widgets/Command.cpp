#include "Command.h"

#include "Dialogs.h"
#include "fileio/Failure.h"

#include <QFile>
#include <QFileInfo>

#include <exception>

namespace vx::ui {

void RunCommand(QWidget* parent, const std::function<void()>& command) {
    try {
        command();
    } catch (const Failure& failure) {
        CurrentDialogs().Error(parent, QString::fromUtf8(failure.what()));
    } catch (const std::exception& error) {
        // Not one of ours, but an event handler must not let it end the program either.
        CurrentDialogs().Error(parent, QString::fromLocal8Bit(error.what()));
    }
}

std::filesystem::path ToPath(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

std::filesystem::path FileInChosenFolder(const QString& chosen, const char* fixedName) {
    return ToPath(QFileInfo(chosen).absolutePath()) / fixedName;
}

} // namespace vx::ui
