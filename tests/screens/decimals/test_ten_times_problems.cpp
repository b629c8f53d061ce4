// Tests of the ten-times problem half: the worked examples through scripted
// draws, and thousands of seeded draws checked against an independent
// reading of the problem text.
#include "scripted_random.h"
#include "written_number.h"
#include "decimals/ten_times_problems.h"

#include <QRegularExpression>
#include <QTest>

namespace {
struct Reading {
    qint64 digits = 0; // the operand without its point
    int places = 0;    // decimal places of the operand
    QString decimals;  // the decimal digits as written
    int whole = 0;
    int factor = 0;
    bool multiply = true;
};

// Reads a problem line such as "2.35 の 10倍は？" back into numbers.
bool ReadProblem(const QString& text, Reading& r)
{
    static const QRegularExpression pattern(
        QStringLiteral("^(\\d+)(?:\\.(\\d+))? の (10倍は？|100倍は？|1/10 は？|1/100 は？)$"));
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return false;
    r.whole = match.captured(1).toInt();
    r.decimals = match.captured(2);
    r.places = int(r.decimals.size());
    r.digits = (match.captured(1) + r.decimals).toLongLong();
    const QString kind = match.captured(3);
    r.multiply = kind.contains(QStringLiteral("倍"));
    r.factor = kind.contains(QStringLiteral("100")) ? 100 : 10;
    return true;
}

} // namespace

class TenTimesProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void workedExamples_data();
    void workedExamples();
    void drawsKeepTheirPromises_data();
    void drawsKeepTheirPromises();
    void judge_data();
    void judge();
};

void TenTimesProblemsTest::workedExamples_data()
{
    QTest::addColumn<bool>("times");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<qint64>("expected");

    // factor 10, r 3 -> whole 1 + 1, s 4 -> two places, digits 3 and 1 + 4
    QTest::newRow("2.35 の 10倍") << true << QList<int>{0, 3, 1, 4, 3, 4} << "2.35 の 10倍は？" << "23.5" << qint64(23500);
    // factor 100, r 0 -> whole 0, s 0 -> one place, last digit 1 + 4
    QTest::newRow("0.5 の 100倍") << true << QList<int>{5, 0, 0, 4} << "0.5 の 100倍は？" << "50" << qint64(50000);
    // factor 10, r 7 -> whole 1 + 97, s 8 -> three places 8, 8, 1 + 7
    QTest::newRow("98.888 の 10倍") << true << QList<int>{0, 7, 97, 8, 8, 8, 7} << "98.888 の 10倍は？" << "988.88"
                                    << qint64(988880);
    // r 0 -> whole 4, divisor 100, t 0 -> whole operand
    QTest::newRow("4 の 1/100") << false << QList<int>{0, 4, 5, 0} << "4 の 1/100 は？" << "0.04" << qint64(40);
    QTest::newRow("0 の 1/10") << false << QList<int>{0, 0, 0, 0} << "0 の 1/10 は？" << "0.0" << qint64(0);
    // r 0 -> whole 0, divisor 10, s 8 -> d1 1, d2 1 + 1
    QTest::newRow("0.12 の 1/10") << false << QList<int>{0, 0, 0, 8, 1, 1} << "0.12 の 1/10 は？" << "0.012"
                                  << qint64(12);
    // r 8 -> whole 998, divisor 10, s 8 -> 8, 1 + 7
    QTest::newRow("998.88 の 1/10") << false << QList<int>{8, 998, 0, 8, 8, 7} << "998.88 の 1/10 は？" << "99.888"
                                    << qint64(99888);
}

void TenTimesProblemsTest::workedExamples()
{
    QFETCH(bool, times);
    QFETCH(QList<int>, draws);
    QFETCH(QString, text);
    QFETCH(QString, answer);
    QFETCH(qint64, expected);

    ScriptedRandom random(draws);
    const TenTimesProblem p = times ? MakeTimesProblem(random) : MakeTenthProblem(random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), draws.size());
    QCOMPARE(p.text, text);
    QCOMPARE(p.expected, expected);
    QCOMPARE(JudgeTenTimesAnswer(p, expected).answerText, answer);
}

void TenTimesProblemsTest::drawsKeepTheirPromises_data()
{
    QTest::addColumn<bool>("times");
    QTest::addColumn<int>("largestWhole");
    QTest::newRow("times") << true << 98;
    QTest::newRow("tenth") << false << 998;
}

void TenTimesProblemsTest::drawsKeepTheirPromises()
{
    QFETCH(bool, times);
    QFETCH(int, largestWhole);
    RandomSource random(4242);
    int biggestWhole = 0;
    QSet<int> factors, places;
    for (int i = 0; i < 50000; ++i) {
        const TenTimesProblem p = times ? MakeTimesProblem(random) : MakeTenthProblem(random);
        Reading r;
        QVERIFY2(ReadProblem(p.text, r), qPrintable(p.text));
        QCOMPARE(r.multiply, times);
        QVERIFY2(!r.decimals.contains(QLatin1Char('9')), qPrintable(p.text));
        if (r.places > 0)
            QVERIFY2(!r.decimals.endsWith(QLatin1Char('0')), qPrintable(p.text));
        biggestWhole = std::max(biggestWhole, r.whole);
        factors.insert(r.factor);
        places.insert(r.places);

        // The answer in thousandths, from the operand as written.
        const qint64 scaled = times ? r.digits * r.factor * 1000 : r.digits * 1000;
        const qint64 divisor = times ? Pow10(r.places) : Pow10(r.places) * r.factor;
        QCOMPARE(scaled % divisor, qint64(0)); // the lists reach every answer exactly
        const qint64 thousandths = scaled / divisor;
        QCOMPARE(p.expected, thousandths);
        QVERIFY(p.expected < 1000000); // hundreds down to thousandths

        const int shift = r.factor == 10 ? 1 : 2;
        const int answerPlaces = times ? std::max(0, r.places - shift) : r.places + shift;
        const TenTimesVerdict verdict = JudgeTenTimesAnswer(p, thousandths);
        QVERIFY(verdict.right);
        QCOMPARE(verdict.answerText, WriteCut(thousandths, 3, answerPlaces));
    }
    QCOMPARE(biggestWhole, largestWhole);
    QCOMPARE(factors, (QSet<int>{10, 100}));
    QCOMPARE(places, times ? (QSet<int>{1, 2, 3}) : (QSet<int>{0, 1, 2}));
}

void TenTimesProblemsTest::judge_data()
{
    QTest::addColumn<qint64>("child");
    QTest::addColumn<bool>("right");
    QTest::newRow("23.5") << qint64(23500) << true;
    QTest::newRow("235") << qint64(235000) << false;
    QTest::newRow("2.35") << qint64(2350) << false;
    QTest::newRow("nothing picked") << qint64(0) << false;
}

void TenTimesProblemsTest::judge()
{
    QFETCH(qint64, child);
    QFETCH(bool, right);
    ScriptedRandom random({0, 3, 1, 4, 3, 4});
    const TenTimesProblem p = MakeTimesProblem(random);
    const TenTimesVerdict verdict = JudgeTenTimesAnswer(p, child);
    QCOMPARE(verdict.right, right);
    QCOMPARE(verdict.answerText, QStringLiteral("23.5"));
}

QTEST_APPLESS_MAIN(TenTimesProblemsTest)
#include "test_ten_times_problems.moc"
