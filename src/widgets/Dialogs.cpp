#include "Dialogs.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QStringList>

namespace vx::ui {

namespace {

// "Description|Pattern|..." as Qt's name filters; the pattern rides in the parentheses that
// Qt reads and the dialog hides, so the user sees the description exactly.
QStringList NameFilters(const QString& filter) {
    QStringList parts = filter.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
    return filters;
}

class QtDialogs final : public Dialogs {
  public:
    std::optional<QString> OpenFile(QWidget* parent, const QString& filter,
                                    const QString& previous) override {
        QFileDialog dialog(parent);
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::HideNameFilterDetails);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::AnyFile); // a typed name need not exist
        dialog.setNameFilters(NameFilters(filter));
        if (!previous.isEmpty())
            dialog.selectFile(previous);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }

    std::optional<QString> SaveFile(QWidget* parent, const QString& fileName) override {
        QFileDialog dialog(parent);
        dialog.setOptions(QFileDialog::DontUseNativeDialog | QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.selectFile(fileName);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }

    void Information(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Information, QStringLiteral("Information"), MessageLines(text),
                        QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.exec();
    }

    void Error(QWidget* parent, const QString& text) override {
        QMessageBox box(QMessageBox::Critical, QStringLiteral("Fehler"), MessageLines(text),
                        QMessageBox::Ok, parent);
        box.button(QMessageBox::Ok)->setText(QStringLiteral("OK"));
        box.exec();
    }
};

Dialogs* installed = nullptr;

} // namespace

Dialogs& CurrentDialogs() {
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void InstallDialogs(Dialogs* dialogs) {
    installed = dialogs;
}

QString MessageLines(const QString& text) {
    QString lines = text;
    lines.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return lines;
}

} // namespace vx::ui
