#include "DateTimeText.h"

#include <QDate>
#include <QTime>

namespace {

// Rewrites the unquoted runs of `letter` in a Qt date/time format: `replace` gets the run's
// length and gives its new text.
template <typename Replace>
QString RewriteRuns(const QString& format, QChar letter, Replace replace) {
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < format.size();) {
        QChar c = format[i];
        if (c == QLatin1Char('\'')) {
            quoted = !quoted;
            out += c;
            ++i;
            continue;
        }
        if (quoted || c != letter) {
            out += c;
            ++i;
            continue;
        }
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == letter)
            ++run;
        out += replace(run);
        i += run;
    }
    return out;
}

QString ShortDateFormat(const QLocale& locale) {
    return RewriteRuns(locale.dateFormat(QLocale::ShortFormat), QLatin1Char('y'),
                       [](qsizetype) { return QStringLiteral("yyyy"); });
}

// The long time without a time zone: the base time is a plain local clock reading.
QString LongTimeFormat(const QLocale& locale) {
    return RewriteRuns(locale.timeFormat(QLocale::LongFormat), QLatin1Char('t'),
                       [](qsizetype) { return QString(); })
        .trimmed();
}

} // namespace

QString LocalDateTimeText(const vx::LocalDateTime& time, const QLocale& locale) {
    QString text = locale.toString(QDate(time.year, time.month, time.day), ShortDateFormat(locale));
    if (time.hour == 0 && time.minute == 0 && time.second == 0)
        return text;
    return text + QLatin1Char(' ') +
           locale.toString(QTime(time.hour, time.minute, time.second), LongTimeFormat(locale));
}
