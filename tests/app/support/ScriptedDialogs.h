#pragma once
// Stands in for the person at the dialogs: answers the file dialogs from a script and records
// every dialog and message the program shows.

#include "widgets/Dialogs.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <optional>

class QWidget;

namespace vx::test {

class ScriptedDialogs final : public vx::ui::Dialogs {
  public:
    struct OpenRequest {
        QString filter;
        QString previous;
    };

    ScriptedDialogs() : previous_(&vx::ui::CurrentDialogs()) { vx::ui::InstallDialogs(this); }
    ~ScriptedDialogs() override { vx::ui::InstallDialogs(previous_); }

    // The next file dialog's answer; nothing for a cancel.
    void Answer(std::optional<QString> path) {
        answers_.push_back({path.has_value(), path.value_or(QString())});
    }

    std::optional<QString> OpenFile(QWidget*, const QString& filter,
                                    const QString& previous) override;
    std::optional<QString> SaveFile(QWidget*, const QString& fileName) override;
    void Information(QWidget*, const QString& text) override { informations << text; }
    void Error(QWidget*, const QString& text) override { errors << text; }

    QList<OpenRequest> openRequests;
    QStringList savePresets;
    QStringList informations;
    QStringList errors;
    // A dialog came up that the script had no answer for.
    int unanswered = 0;

  private:
    std::optional<QString> Next();
    struct Scripted {
        bool chosen;
        QString path;
    };
    std::deque<Scripted> answers_;
    vx::ui::Dialogs* previous_;
};

// A fresh folder that also holds this test's settings file: XDG_CONFIG_HOME points into it.
class TestFolder {
  public:
    TestFolder();
    ~TestFolder();
    QString path() const { return dir_.path(); }
    QString file(const QString& name) const { return dir_.filePath(name); }
    QString settingsFile() const;
    // The entries of the folder (the settings folder left out), sorted.
    QStringList Listing() const;

  private:
    QTemporaryDir dir_;
};

QByteArray ReadBytes(const QString& path);
void WriteBytes(const QString& path, const QByteArray& bytes);
// The value of `key` in the section of its own name, or nothing.
std::optional<QString> IniValue(const QString& iniPath, const QString& key);

// What every control below `root` shows, by name: texts, ticks and selections. (A spin button
// shows nothing of its own, and some keep their position while their value is switched off.)
// Two windows that present the same record give the same list.
QStringList ControlStates(const QWidget* root);

} // namespace vx::test
