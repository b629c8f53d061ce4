// Tests of the approximate-number problem half: half-up rounding, the worked
// example and the draws of each level through scripted draws, the fixed
// fallbacks through rigged draws, and thousands of seeded problems checked
// against rounding worked out digit by digit from the problem text.
#include "scripted_random.h"
#include "approx/approx_problems.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <cmath>

namespace {
ApproxProblem Make(bool difference, RandomSource& random)
{
    return difference ? MakeApproxDifferenceProblem(random) : MakeApproxSumProblem(random);
}

// Rounds the number written as text half up to the place with the given
// count of zeros, by looking at the digit below that place.
int RoundByDigits(const QString& text, int zeros)
{
    const int keep = int(text.size()) - zeros;
    int kept = text.left(keep).toInt();
    if (text.at(keep).digitValue() >= 5)
        ++kept;
    return kept * int(std::pow(10, zeros));
}

QList<int> Zeros(int count)
{
    return QList<int>(count, 0);
}
} // namespace

class ApproxProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void roundHalfUp_data();
    void roundHalfUp();
    void scriptedProblems_data();
    void scriptedProblems();
    void fallbacks_data();
    void fallbacks();
    void drawsKeepTheirPromises_data();
    void drawsKeepTheirPromises();
};

void ApproxProblemsTest::roundHalfUp_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("place");
    QTest::addColumn<int>("rounded");
    QTest::newRow("825 to tens") << 825 << 10 << 830;
    QTest::newRow("824 to tens") << 824 << 10 << 820;
    QTest::newRow("6450 to hundreds") << 6450 << 100 << 6500;
    QTest::newRow("6449 to hundreds") << 6449 << 100 << 6400;
    QTest::newRow("8652 to hundreds") << 8652 << 100 << 8700;
    QTest::newRow("34712 to thousands") << 34712 << 1000 << 35000;
    QTest::newRow("88500 to thousands") << 88500 << 1000 << 89000;
    QTest::newRow("499 to thousands") << 499 << 1000 << 0;
}

void ApproxProblemsTest::roundHalfUp()
{
    QFETCH(int, value);
    QFETCH(int, place);
    QFETCH(int, rounded);
    QCOMPARE(RoundHalfUp(value, place), rounded);
}

void ApproxProblemsTest::scriptedProblems_data()
{
    QTest::addColumn<bool>("difference");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("instruction");
    QTest::addColumn<QString>("solved");

    // level 3 (hundreds); X 5 + 1, 4, 5, 6 + 1; Y 2 + 1, 1, 3, 1 + 1
    QTest::newRow("6457 + 3132") << false << QList<int>{3, 5, 4, 5, 6, 2, 1, 3, 1}
                                 << "次の和を 百の位までの がい数で求める。" << "6457 + 3132 ≒ 9600";
    QTest::newRow("tens sum") << false << QList<int>{0, 7, 2, 4, 0, 0, 0}
                              << "次の和を 十の位までの がい数で求める。" << "825 + 101 ≒ 930";
    // the ten-thousands digits come last: 8 + 8 reaches 99000 and is drawn again
    QTest::newRow("thousands sum") << false << QList<int>{6, 4, 7, 1, 1, 3, 6, 1, 4, 7, 7, 2, 4}
                                   << "次の和を 千の位までの がい数で求める。" << "34712 + 53615 ≒ 89000";
    // lower digits 25 and 78 first; leading 1 and 6 give X < Y, drawn again: 8 and 6
    QTest::newRow("tens difference") << true << QList<int>{0, 2, 4, 7, 7, 0, 5, 7, 5}
                                     << "次の差を 十の位までの がい数で求める。" << "825 - 678 ≒ 150";
    QTest::newRow("hundreds difference") << true << QList<int>{5, 6, 5, 1, 7, 4, 4, 7, 5}
                                         << "次の差を 百の位までの がい数で求める。" << "8652 - 6745 ≒ 2000";
    QTest::newRow("thousands difference") << true << QList<int>{7, 8, 6, 5, 1, 6, 7, 4, 4, 3, 1}
                                          << "次の差を 千の位までの がい数で求める。" << "48652 - 26745 ≒ 22000";
    // 451 and 448 both round to 450
    QTest::newRow("difference 0") << true << QList<int>{2, 5, 0, 4, 7, 3, 3}
                                  << "次の差を 十の位までの がい数で求める。" << "451 - 448 ≒ 0";
}

void ApproxProblemsTest::scriptedProblems()
{
    QFETCH(bool, difference);
    QFETCH(QList<int>, draws);
    QFETCH(QString, instruction);
    QFETCH(QString, solved);

    ScriptedRandom random(draws);
    const ApproxProblem p = Make(difference, random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), draws.size());
    QCOMPARE(p.instruction, instruction);
    QCOMPARE(p.solvedText(), solved);
    QCOMPARE(p.text(), solved.section(QStringLiteral(" ≒ "), 0, 0) + QStringLiteral(" ≒ ?"));
    QVERIFY(JudgeApproxAnswer(p, p.answer));
    QVERIFY(!JudgeApproxAnswer(p, p.answer + p.place));
}

void ApproxProblemsTest::fallbacks_data()
{
    QTest::addColumn<bool>("difference");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("solved");

    // every leading pair 8 + 8 (or X equal to Y) for 1000 tries
    QTest::newRow("thousands sum") << false << QList<int>{6} + Zeros(8) + QList<int>(2000, 7) << "34712 + 53615 ≒ 89000";
    QTest::newRow("tens difference") << true << QList<int>{0} + Zeros(4 + 2000) << "825 - 678 ≒ 150";
    QTest::newRow("hundreds difference") << true << QList<int>{3} + Zeros(6 + 2000) << "8652 - 6745 ≒ 2000";
    QTest::newRow("thousands difference") << true << QList<int>{6} + Zeros(8 + 2000) << "48652 - 26745 ≒ 22000";
}

void ApproxProblemsTest::fallbacks()
{
    QFETCH(bool, difference);
    QFETCH(QList<int>, draws);
    QFETCH(QString, solved);

    ScriptedRandom random(draws);
    const ApproxProblem p = Make(difference, random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), draws.size()); // exactly 1000 tries before the fallback
    QCOMPARE(p.solvedText(), solved);
}

void ApproxProblemsTest::drawsKeepTheirPromises_data()
{
    QTest::addColumn<bool>("difference");
    QTest::newRow("sum") << false;
    QTest::newRow("difference") << true;
}

void ApproxProblemsTest::drawsKeepTheirPromises()
{
    QFETCH(bool, difference);
    static const QRegularExpression pattern(QStringLiteral("^([1-8][0-8]*[1-8]) ([-+]) ([1-8][0-8]*[1-8]) ≒ \\?$"));
    static const QRegularExpression instruction(QStringLiteral("^次の(和|差)を (十|百|千)の位までの がい数で求める。$"));
    const QString placeNames = QStringLiteral("十百千");

    RandomSource random(2718);
    QSet<int> places;
    int halves = 0;
    for (int i = 0; i < 30000; ++i) {
        const ApproxProblem p = Make(difference, random);
        const auto match = pattern.match(p.text());
        QVERIFY2(match.hasMatch(), qPrintable(p.text())); // no 9, no 0 at either end
        const auto said = instruction.match(p.instruction);
        QVERIFY2(said.hasMatch(), qPrintable(p.instruction));
        QCOMPARE(said.captured(1) == QStringLiteral("差"), difference);
        QCOMPARE(match.captured(2) == QStringLiteral("-"), difference);

        const QString x = match.captured(1);
        const QString y = match.captured(3);
        const int zeros = int(placeNames.indexOf(said.captured(2))) + 1;
        QCOMPARE(x.size(), zeros + 2); // three, four or five places
        QCOMPARE(y.size(), x.size());
        places.insert(zeros);
        if (x.at(x.size() - zeros).digitValue() == 5 || y.at(y.size() - zeros).digitValue() == 5)
            ++halves;

        const int rx = RoundByDigits(x, zeros);
        const int ry = RoundByDigits(y, zeros);
        if (difference) {
            QVERIFY2(x.toInt() > y.toInt(), qPrintable(p.text()));
            QCOMPARE(p.answer, rx - ry);
        } else {
            QVERIFY2(x.toInt() + y.toInt() < 99000, qPrintable(p.text()));
            QCOMPARE(p.answer, rx + ry);
        }
        QVERIFY(p.answer >= 0 && p.answer <= 99999); // fits the five lists
    }
    QCOMPARE(places, (QSet<int>{1, 2, 3}));
    QVERIFY(halves > 0); // halves were met, and rounded up
}

QTEST_APPLESS_MAIN(ApproxProblemsTest)
#include "test_approx_problems.moc"
