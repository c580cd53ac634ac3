// The date and time of the GPX completion message in the system's formats.

#include "app/DateTimeText.h"

#include <QTest>

class DateTimeTextTest : public QObject {
    Q_OBJECT

  private slots:
    void writesShortDateAndLongTimeWithFourDigitYear_data();
    void writesShortDateAndLongTimeWithFourDigitYear();
};

void DateTimeTextTest::writesShortDateAndLongTimeWithFourDigitYear_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDateTime>("time");
    QTest::addColumn<QString>("text");

    const QDateTime afternoon(QDate(2010, 6, 12), QTime(14, 22, 10));
    QTest::newRow("German") << "de_DE" << afternoon << "12.06.2010 14:22:10";
    QTest::newRow("German, single-digit day and hour")
        << "de_DE" << QDateTime(QDate(2009, 1, 2), QTime(3, 4, 5)) << "02.01.2009 03:04:05";
    QTest::newRow("German, exactly midnight")
        << "de_DE" << QDateTime(QDate(2010, 6, 12), QTime(0, 0, 0)) << "12.06.2010";
    QTest::newRow("German, a second after midnight")
        << "de_DE" << QDateTime(QDate(2010, 6, 12), QTime(0, 0, 1)) << "12.06.2010 00:00:01";
    QTest::newRow("American") << "en_US" << afternoon << "6/12/2010 2:22:10 PM";
    QTest::newRow("British") << "en_GB" << afternoon << "12/06/2010 14:22:10";
}

void DateTimeTextTest::writesShortDateAndLongTimeWithFourDigitYear() {
    QFETCH(QString, locale);
    QFETCH(QDateTime, time);
    QFETCH(QString, text);
    vx::LocalDateTime local{time.date().year(), time.date().month(),  time.date().day(),
                            time.time().hour(), time.time().minute(), time.time().second()};
    QCOMPARE(LocalDateTimeText(local, QLocale(locale)), text);
}

QTEST_MAIN(DateTimeTextTest)
#include "DateTimeTextTest.moc"
