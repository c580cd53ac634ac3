#include "ScriptedDialogs.h"

#include <QDir>
#include <QFile>

namespace vx::test {

std::optional<QString> ScriptedDialogs::Next() {
    if (answers_.empty()) {
        ++unanswered;
        return std::nullopt;
    }
    Scripted answer = answers_.front();
    answers_.pop_front();
    if (!answer.chosen)
        return std::nullopt;
    return answer.path;
}

std::optional<QString> ScriptedDialogs::OpenFile(QWidget*, const QString& filter,
                                                 const QString& previous) {
    openRequests.push_back({filter, previous});
    return Next();
}

std::optional<QString> ScriptedDialogs::SaveFile(QWidget*, const QString& fileName) {
    savePresets << fileName;
    return Next();
}

TestFolder::TestFolder() {
    QDir(dir_.path()).mkdir(QStringLiteral("config"));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir_.filePath(QStringLiteral("config"))));
}

TestFolder::~TestFolder() {
    qunsetenv("XDG_CONFIG_HOME");
}

QString TestFolder::settingsFile() const {
    return dir_.filePath(QStringLiteral("config/VolantrixTool.ini"));
}

QStringList TestFolder::Listing() const {
    QStringList names =
        QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    names.removeAll(QStringLiteral("config"));
    names.sort();
    return names;
}

QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

std::optional<QString> IniValue(const QString& iniPath, const QString& key) {
    const QStringList lines = QString::fromUtf8(ReadBytes(iniPath)).split(QLatin1Char('\n'));
    QString section;
    for (QString line : lines) {
        line = line.trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']')))
            section = line.mid(1, line.size() - 2);
        else if (section.compare(key, Qt::CaseInsensitive) == 0 &&
                 line.startsWith(key + QLatin1Char('='), Qt::CaseInsensitive))
            return line.mid(key.size() + 1);
    }
    return std::nullopt;
}

} // namespace vx::test

#include <QAbstractButton>
#include <QLineEdit>

namespace vx::test {

QStringList ControlStates(const QWidget* root) {
    QStringList states;
    for (const QWidget* child : root->findChildren<QWidget*>()) {
        const QString name = child->objectName();
        if (const auto* edit = qobject_cast<const QLineEdit*>(child))
            states << name + QStringLiteral(" text=") + edit->text();
        else if (const auto* button = qobject_cast<const QAbstractButton*>(child);
                 button && button->isCheckable())
            states << name + (button->isChecked() ? QStringLiteral(" on") : QStringLiteral(" off"));
    }
    states.sort();
    return states;
}

} // namespace vx::test
