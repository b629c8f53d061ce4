// Whole-number reference arithmetic for the problem tests.
#include "written_number.h"

#include <QTest>
#include <cmath>

WrittenNumber ReadWrittenNumber(const QString& text)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    WrittenNumber w;
    w.places = point < 0 ? 0 : int(text.size() - point - 1);
    w.digits = QString(text).remove(QLatin1Char('.')).toLongLong();
    return w;
}

qint64 Pow10(int exponent)
{
    qint64 p = 1;
    while (exponent-- > 0)
        p *= 10;
    return p;
}

QString WriteScaled(qint64 digits, int places)
{
    QString text = QString::number(digits).rightJustified(places + 1, QLatin1Char('0'));
    if (places > 0)
        text.insert(text.size() - places, QLatin1Char('.'));
    return text;
}

QString WriteCut(qint64 units, int scalePlaces, int places)
{
    return WriteScaled(units / Pow10(scalePlaces - places), places);
}

void CheckShare(int count, int total, double chance, const char* what)
{
    const double share = double(count) / total;
    QVERIFY2(std::abs(share - chance) < 0.02,
             qPrintable(QStringLiteral("%1: %2 instead of %3").arg(QLatin1String(what)).arg(share).arg(chance)));
}
