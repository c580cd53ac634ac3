#include "EditorDriver.h"

#include "widgets/RadioButton.h"
#include "widgets/UpDown.h"
#include "widgets/ValueMemo.h"

#include <QCheckBox>
#include <QRegularExpression>
#include <QTest>
#include <QToolButton>

namespace vx::test {

EditorUnderTest::EditorUnderTest() {
    LoadDefaultSetup(record);
    editor = std::make_unique<SetupEditor>(record);
    editor->ApplySetupToForm();
    editor->show();
}

void PressUp(ui::UpDown* spin) {
    QTest::mouseClick(spin->upButton(), Qt::LeftButton);
}

void PressDown(ui::UpDown* spin) {
    QTest::mouseClick(spin->downButton(), Qt::LeftButton);
}

void Click(QAbstractButton* button) {
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

void Scenario::Run(const QString& steps) {
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        RunStep(step);
}

void Scenario::RunStep(const QString& step) {
    if (step == QLatin1String("defaults") || step == QLatin1String("firmware")) {
        LoadDefaultSetup(e_.record);
        changedByUser_.clear(); // the whole record replaced
        if (step == QLatin1String("defaults"))
            e_.editor->ApplySetupToForm();
        else
            e_.editor->ApplySetupAfterFirmwareChoice();
        return;
    }
    if (step.startsWith(QLatin1String("load:"))) {
        for (const QString& pair : step.mid(5).split(QLatin1Char(','))) {
            const QStringList parts = pair.split(QLatin1Char('='));
            SetupByte(e_.record, parts[0].toUInt()) = static_cast<std::uint8_t>(parts[1].toUInt());
            changedByUser_.erase(parts[0].toInt());
        }
        const SetupRecord loaded = e_.record;
        e_.editor->ApplySetupToForm();
        if (!(e_.record == loaded))
            Fail(QStringLiteral("presenting '%1' changed the record").arg(step));
        return;
    }

    const SetupRecord before = e_.record;
    static const QRegularExpression spinStep(QStringLiteral("^(UpDown\\d+)([+-])(?:\\*(\\d+))?$"));
    if (const auto m = spinStep.match(step); m.hasMatch()) {
        auto* spin = e_.Control<ui::UpDown>(m.captured(1));
        if (!spin)
            return Fail(QStringLiteral("no spin button %1").arg(m.captured(1)));
        const int presses = m.captured(3).isEmpty() ? 1 : m.captured(3).toInt();
        for (int i = 0; i < presses; ++i)
            m.captured(2) == QLatin1String("+") ? PressUp(spin) : PressDown(spin);
    } else if (auto* button = e_.Control<QAbstractButton>(step)) {
        Click(button);
    } else {
        return Fail(QStringLiteral("unknown step '%1'").arg(step));
    }
    for (std::size_t i = 0; i < kSetupRecordSize; ++i)
        if (SetupByte(before, i) != SetupByte(e_.record, i))
            changedByUser_.insert(static_cast<int>(i));
}

void Scenario::Check(const QString& expectations) {
    std::set<int> namedBytes;
    const QStringList all = expectations.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& expectation : all)
        CheckOne(expectation, namedBytes);
    if (all.contains(QLatin1String("others=defaults"))) {
        SetupRecord defaults;
        LoadDefaultSetup(defaults);
        for (std::size_t i = 0; i < kSetupRecordSize; ++i)
            if (!namedBytes.count(static_cast<int>(i)) &&
                SetupByte(e_.record, i) != SetupByte(defaults, i))
                Fail(QStringLiteral("byte %1 is %2, the factory setting has %3")
                         .arg(i)
                         .arg(SetupByte(e_.record, i))
                         .arg(SetupByte(defaults, i)));
    }
    for (int i : changedByUser_)
        if (!namedBytes.count(i))
            Fail(QStringLiteral("a user action changed byte %1 to %2")
                     .arg(i)
                     .arg(SetupByte(e_.record, static_cast<std::size_t>(i))));
}

void Scenario::CheckOne(const QString& expectation, std::set<int>& namedBytes) {
    static const QRegularExpression byteValue(QStringLiteral("^\\[(\\d+)\\]=(\\d+)$"));
    if (const auto m = byteValue.match(expectation); m.hasMatch()) {
        const int index = m.captured(1).toInt();
        namedBytes.insert(index);
        const int actual = SetupByte(e_.record, static_cast<std::size_t>(index));
        if (actual != m.captured(2).toInt())
            Fail(QStringLiteral("byte %1 is %2, expected %3")
                     .arg(index)
                     .arg(actual)
                     .arg(m.captured(2)));
        return;
    }
    if (expectation == QLatin1String("others=defaults"))
        return;
    const qsizetype at = expectation.indexOf(QLatin1Char('@'));
    if (at > 0) {
        auto* spin = e_.Control<ui::UpDown>(expectation.left(at));
        if (!spin)
            return Fail(QStringLiteral("no spin button %1").arg(expectation.left(at)));
        if (spin->position() != expectation.mid(at + 1).toInt())
            Fail(QStringLiteral("%1 is at %2").arg(expectation).arg(spin->position()));
        return;
    }
    const qsizetype eq = expectation.indexOf(QLatin1Char('='));
    const QString name = expectation.left(eq);
    const QString wanted = expectation.mid(eq + 1);
    if (eq < 0)
        return Fail(QStringLiteral("bad expectation '%1'").arg(expectation));
    if (name == QLatin1String("mode") || name == QLatin1String("index")) {
        const int actual = name == QLatin1String("mode") ? e_.editor->IntegralValueMode()
                                                         : e_.editor->AltitudeAnnouncementIndex();
        if (actual != wanted.toInt())
            Fail(QStringLiteral("%1 is %2").arg(expectation).arg(actual));
        return;
    }
    if (auto* memo = e_.Control<ui::ValueMemo>(name)) {
        if (memo->text() != wanted)
            Fail(QStringLiteral("%1 shows '%2', expected '%3'").arg(name, memo->text(), wanted));
        return;
    }
    if (auto* button = e_.Control<QAbstractButton>(name)) {
        const bool on = wanted == QLatin1String("on");
        if (button->isChecked() != on)
            Fail(QStringLiteral("%1 is %2").arg(name, button->isChecked() ? "on" : "off"));
        return;
    }
    Fail(QStringLiteral("no control %1").arg(name));
}

} // namespace vx::test
