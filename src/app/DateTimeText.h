#pragma once
// The log's date and time in the GPX completion message, as the system's locale writes a short
// date and a long time, always with a four-digit year.

#include "logconv/Gpx.h"

#include <QLocale>
#include <QString>

// "12.06.2010 14:22:10" under German settings; at exactly midnight the date alone.
QString LocalDateTimeText(const vx::LocalDateTime& time, const QLocale& locale = QLocale::system());
