// Tests of the rules-of-calculation problem half: the worked lines through
// scripted draws, every fixed fallback through a rigged draw sequence, and
// thousands of seeded problems whose answers are worked out again from the
// problem text alone.
#include "scripted_random.h"
#include "rules/rule_problems.h"

#include <QRegularExpression>
#include <QSet>
#include <QTest>

namespace {
RuleProblem Make(int subTopic, RandomSource& random)
{
    switch (subTopic) {
    case 1:
        return MakeSumPairProblem(random);
    case 2:
        return MakeProductPairProblem(random);
    default:
        return MakeDistributiveProblem(random);
    }
}

// Draws that repeat one group of values times over.
QList<int> Repeat(const QList<int>& group, int times)
{
    QList<int> draws;
    for (int i = 0; i < times; ++i)
        draws += group;
    return draws;
}

// Evaluates a line of whole numbers, " + ", " - ", " x " and brackets, with
// multiplication before addition and subtraction.
class Evaluator
{
public:
    explicit Evaluator(const QString& text)
        : tokens_(text.split(QLatin1Char(' '), Qt::SkipEmptyParts))
    {
    }

    bool evaluate(qint64& value)
    {
        value = sum();
        return ok_ && next_ == tokens_.size();
    }

private:
    qint64 sum()
    {
        qint64 value = product();
        while (peek() == "+" || peek() == "-") {
            const bool plus = take() == "+";
            const qint64 right = product();
            value = plus ? value + right : value - right;
        }
        return value;
    }
    qint64 product()
    {
        qint64 value = factor();
        while (peek() == "x") {
            take();
            value *= factor();
        }
        return value;
    }
    qint64 factor()
    {
        const QString token = take();
        if (token == "(") {
            const qint64 value = sum();
            ok_ = ok_ && take() == ")";
            return value;
        }
        bool number = false;
        const qint64 value = token.toLongLong(&number);
        ok_ = ok_ && number;
        return value;
    }
    QString peek() const { return next_ < tokens_.size() ? tokens_.at(next_) : QString(); }
    QString take() { return next_ < tokens_.size() ? tokens_.at(next_++) : QString(); }

    QStringList tokens_;
    int next_ = 0;
    bool ok_ = true;
};

QList<int> Numbers(const QRegularExpressionMatch& match, int from, int count)
{
    QList<int> numbers;
    for (int i = from; i < from + count; ++i)
        numbers.append(match.captured(i).toInt());
    return numbers;
}

// The answer a problem needs, read from its text alone: the one pair that
// makes a multiple of ten (left member first), or □, ○, △ of the rewritten
// form. Returns -1 when the text does not read as a problem or the pair or
// the common factor is not unique.
qint64 AnswerFromText(const QString& text)
{
    static const QRegularExpression pair(
        QStringLiteral("^(\\d+) ([+x]) (\\d+) \\2 (\\d+) = \\?\n\n先に計算する２つの数は？$"));
    static const QRegularExpression near(
        QStringLiteral("^(\\d+) x (\\d+) = \\?\n\n□を \\(○ ([-+]) △\\) の形にして計算する時、\n□、○、△の数は？$"));
    static const QRegularExpression common(QStringLiteral(
        "^(\\d+) x (\\d+) ([-+]) (\\d+) x (\\d+) = \\?\n\n\\(□ ([-+]) ○\\) x △ の形にして計算する時、\n□、○、△の数は？$"));

    if (const auto m = pair.match(text); m.hasMatch()) {
        const QList<int> n = {m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt()};
        const bool sum = m.captured(2) == "+";
        qint64 answer = -1;
        for (int i = 0; i < 3; ++i)
            for (int j = i + 1; j < 3; ++j)
                if ((sum ? n[i] + n[j] : n[i] * n[j]) % 10 == 0) {
                    if (answer >= 0)
                        return -1;
                    answer = qint64(n[i]) * 1000 + n[j];
                }
        return answer;
    }
    if (const auto m = near.match(text); m.hasMatch()) {
        int nearHundred = -1;
        for (int f : Numbers(m, 1, 2))
            if (f >= 95 && f <= 104 && f != 100) {
                if (nearHundred >= 0)
                    return -1;
                nearHundred = f;
            }
        const bool minus = m.captured(3) == "-";
        if (nearHundred < 0 || minus != (nearHundred < 100))
            return -1;
        return qint64(nearHundred) * 1000000 + 100 * 1000 + std::abs(100 - nearHundred);
    }
    if (const auto m = common.match(text); m.hasMatch()) {
        if (m.captured(3) != m.captured(6))
            return -1;
        const QList<int> left = Numbers(m, 1, 2);
        const QList<int> right = Numbers(m, 4, 2);
        QSet<int> shared = QSet<int>(left.begin(), left.end()) & QSet<int>(right.begin(), right.end());
        if (shared.size() != 1)
            return -1;
        const int k = *shared.begin();
        const int a = left[0] == k ? left[1] : left[0];
        const int b = right[0] == k ? right[1] : right[0];
        return qint64(a) * 1000000 + qint64(b) * 1000 + k;
    }
    return -1;
}

// A line with its numbers replaced by letters, one letter per value in the
// order the values first appear: "6 x 12 + 6 x 28" reads "a x b + a x c".
QString FormOf(const QString& line)
{
    static const QRegularExpression number(QStringLiteral("\\d+"));
    QString form;
    QStringList values;
    qsizetype from = 0;
    for (const auto& match : number.globalMatch(line)) {
        if (!values.contains(match.captured()))
            values.append(match.captured());
        form += line.mid(from, match.capturedStart() - from) + QChar(char16_t(u'a' + values.indexOf(match.captured())));
        from = match.capturedEnd();
    }
    return form + line.mid(from);
}
} // namespace

class RuleProblemsTest : public QObject
{
    Q_OBJECT
private slots:
    void workedLines_data();
    void workedLines();
    void fallbacks_data();
    void fallbacks();
    void drawsNeedWhatTheyShow_data();
    void drawsNeedWhatTheyShow();
    void judge_data();
    void judge();
};

void RuleProblemsTest::workedLines_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("worked");
    QTest::addColumn<qint64>("answer");

    // T 60; P 10 x 2 + 3 + 1; R 10 x 3 + 4 + 1; order 0 / 5
    QTest::newRow("R, P, Q") << 1 << QList<int>{4, 2, 3, 2, 4, 0} << "35 + 24 + 36"
                             << "35 + 24 + 36 = 35 + ( 24 + 36 )" << qint64(24036);
    QTest::newRow("P, R, Q") << 1 << QList<int>{4, 2, 3, 2, 4, 5} << "24 + 35 + 36"
                             << "24 + 35 + 36 = ( 24 + 36 ) +  35" << qint64(24036);
    // T 20; P 51 is drawn again, then 13; R 43 makes 50 with Q 7, so it is drawn again: 46
    QTest::newRow("P and R drawn again") << 1 << QList<int>{0, 5, 0, 1, 2, 3, 2, 3, 5, 8}
                                         << "13 + 46 + 7" << "13 + 46 + 7 = ( 13 + 7 ) +  46" << qint64(13007);
    // M 50; G 5 would make D 10, so G is drawn again: 25; E 43; order 0 / 5
    QTest::newRow("G, E, D") << 2 << QList<int>{4, 0, 2, 3, 1, 0} << "25 x 43 x 2"
                             << "25 x 43 x 2 = ( 25 x  2 ) x 43" << qint64(25002);
    QTest::newRow("E, G, D") << 2 << QList<int>{4, 0, 2, 3, 1, 5} << "43 x 25 x 2"
                             << "43 x 25 x 2 = 43 x ( 25 x  2 )" << qint64(25002);
    // M 90; G 35 and 25 do not divide 90, G 15 does; E 75 ends in 5, drawn again: 71
    QTest::newRow("G drawn again") << 2 << QList<int>{8, 3, 2, 1, 6, 2, 6, 0, 7} << "71 x 15 x 6"
                                   << "71 x 15 x 6 = 71 x ( 15 x  6 )" << qint64(15006);
    // near 100: f 0, v, n 10 x 2 + 3, m 95 + 3 or 101 + 1
    QTest::newRow("minus, m x n") << 3 << QList<int>{0, 0, 1, 2, 3} << "98 x 23"
                                  << "98 x 23 = ( 100 - 2 ) x 23" << qint64(98100002);
    QTest::newRow("minus, n x m") << 3 << QList<int>{0, 3, 1, 2, 3} << "23 x 98"
                                  << "23 x 98 = 23 x ( 100 - 2 )" << qint64(98100002);
    QTest::newRow("plus, m x n") << 3 << QList<int>{0, 6, 1, 2, 1} << "102 x 23"
                                 << "102 x 23 = ( 100 + 2 ) x 23" << qint64(102100002);
    QTest::newRow("plus, n x m") << 3 << QList<int>{3, 8, 1, 2, 1} << "23 x 102"
                                 << "23 x 102 = 23 x ( 100 + 2 )" << qint64(102100002);
    // common factor: f 4, w, k 4 + 2, S 40, b 10 x 2 + 7 + 1
    QTest::newRow("sum, w 0") << 3 << QList<int>{4, 0, 2, 2, 1, 7} << "6 x 12 + 6 x 28"
                              << "6 x 12 + 6 x 28 = ( 12 + 28 ) x 6" << qint64(12028006);
    QTest::newRow("sum, w 1") << 3 << QList<int>{5, 1, 2, 2, 1, 7} << "6 x 12 + 28 x 6"
                              << "6 x 12 + 28 x 6 = ( 12 + 28 ) x 6" << qint64(12028006);
    QTest::newRow("sum, w 2") << 3 << QList<int>{6, 2, 2, 2, 1, 7} << "12 x 6 + 6 x 28"
                              << "12 x 6 + 6 x 28 = ( 12 + 28 ) x 6" << qint64(12028006);
    // S 30: b 15 would make a equal to b and is drawn again; b 21, a 9
    QTest::newRow("sum, w 3") << 3 << QList<int>{4, 3, 2, 1, 0, 4, 1, 0} << "9 x 6 + 21 x 6"
                              << "9 x 6 + 21 x 6 = ( 9 + 21 ) x 6" << qint64(9021006);
    // difference: k 5 + 32; ones 3 + 1, A 10 x (3 + 2) + 4, B 10 x (1 + 1) + 4
    QTest::newRow("difference, w 4") << 3 << QList<int>{4, 4, 32, 3, 3, 1} << "37 x 54 - 37 x 24"
                                     << "37 x 54 - 37 x 24 = ( 54 - 24 ) x 37" << qint64(54024037);
    // A 24 <= B 34 is drawn again
    QTest::newRow("difference, w 5") << 3 << QList<int>{6, 5, 32, 3, 0, 2, 3, 3, 1} << "37 x 54 - 37 x 24"
                                     << "37 x 54 - 37 x 24 = ( 54 - 24 ) x 37" << qint64(54024037);
    // x 4 + 1, y 3 + 1: A 9, B 4
    QTest::newRow("difference, w 6") << 3 << QList<int>{4, 6, 32, 4, 3} << "37 x 9 - 4 x 37"
                                     << "37 x 9 - 4 x 37 = ( 9 - 4 ) x 37" << qint64(9004037);
}

void RuleProblemsTest::workedLines()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(QString, shown);
    QFETCH(QString, worked);
    QFETCH(qint64, answer);

    ScriptedRandom random(draws);
    const RuleProblem p = Make(subTopic, random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), draws.size());
    QVERIFY2(p.text.startsWith(shown + " = ?\n\n"), qPrintable(p.text));
    QCOMPARE(p.answer, answer);
    QCOMPARE(AnswerFromText(p.text), answer);

    const RuleVerdict verdict = JudgeRuleAnswer(p, answer);
    QVERIFY(verdict.right);
    QCOMPARE(verdict.workedLine, worked);
    QCOMPARE(JudgeRuleAnswer(p, answer + 1).workedLine, worked); // shown whether right or wrong
}

void RuleProblemsTest::fallbacks_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<QString>("text");
    QTest::addColumn<qint64>("answer");

    // T 20 and every P 88: T 100, P 24; then R 45, order 0
    QTest::newRow("sum pair") << 1 << QList<int>{0} + Repeat({8, 7}, 1000) + QList<int>{3, 4, 0}
                              << "45 + 24 + 76 = ?\n\n先に計算する２つの数は？" << qint64(24076);
    // P 24, Q 36 and every R 16 (24 + 16 = 40): P 87, Q 13, R 25
    QTest::newRow("third addend") << 1 << QList<int>{4, 2, 3} + Repeat({0, 5}, 1000) + QList<int>{0}
                                  << "25 + 87 + 13 = ?\n\n先に計算する２つの数は？" << qint64(87013);
    // M 10 and every G 15: M 100, G 25, D 4; then E 43
    QTest::newRow("product pair") << 2 << QList<int>{0} + Repeat({1}, 1000) + QList<int>{3, 1, 0}
                                  << "25 x 43 x 4 = ?\n\n先に計算する２つの数は？" << qint64(25004);
    // M 50 and every G 5 (D would be 10): M 100, G 25
    QTest::newRow("product pair, D 10") << 2 << QList<int>{4} + Repeat({0}, 1000) + QList<int>{3, 1, 5}
                                        << "43 x 25 x 4 = ?\n\n先に計算する２つの数は？" << qint64(25004);
    // k 6, S 20 and every b 88: S 100, b 16
    QTest::newRow("sum form") << 3 << QList<int>{4, 0, 2, 0} + Repeat({7, 7}, 1000)
                              << "6 x 84 + 6 x 16 = ?\n\n(□ + ○) x △ の形にして計算する時、\n□、○、△の数は？"
                              << qint64(84016006);
    // k 37 and every A 21, B 71: A 67, B 17
    QTest::newRow("difference form") << 3 << QList<int>{4, 4, 32} + Repeat({0, 0, 6}, 1000)
                                     << "37 x 67 - 37 x 17 = ?\n\n(□ - ○) x △ の形にして計算する時、\n□、○、△の数は？"
                                     << qint64(67017037);
}

void RuleProblemsTest::fallbacks()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(QString, text);
    QFETCH(qint64, answer);

    ScriptedRandom random(draws);
    const RuleProblem p = Make(subTopic, random);
    QVERIFY(!random.outOfRange);
    QCOMPARE(random.ranges.size(), draws.size()); // exactly 1000 tries before the fallback
    QCOMPARE(p.text, text);
    QCOMPARE(p.answer, answer);
    QCOMPARE(AnswerFromText(p.text), answer);
}

void RuleProblemsTest::drawsNeedWhatTheyShow_data()
{
    QTest::addColumn<int>("subTopic");
    // Every form of worked line the sub-topic must reach, its numbers named
    // by letters in the order they first appear.
    QTest::addColumn<QStringList>("forms");
    QTest::newRow("sum pair") << 1
                              << QStringList{"a + b + c = a + ( b + c )", "a + b + c = ( a + c ) +  b"};
    QTest::newRow("product pair") << 2
                                  << QStringList{"a x b x c = ( a x  c ) x b", "a x b x c = a x ( b x  c )"};
    QTest::newRow("distributive") << 3
                                  << QStringList{"a x b = ( c - d ) x b",
                                                 "a x b = a x ( c - d )",
                                                 "a x b = ( c + d ) x b",
                                                 "a x b = a x ( c + d )",
                                                 "a x b + a x c = ( b + c ) x a",
                                                 "a x b + c x a = ( b + c ) x a",
                                                 "a x b + b x c = ( a + c ) x b",
                                                 "a x b + c x b = ( a + c ) x b",
                                                 "a x b - a x c = ( b - c ) x a",
                                                 "a x b - c x a = ( b - c ) x a"};
}

void RuleProblemsTest::drawsNeedWhatTheyShow()
{
    QFETCH(int, subTopic);
    QFETCH(QStringList, forms);
    RandomSource random(8128);
    QSet<QString> seen;
    for (int i = 0; i < 30000; ++i) {
        const RuleProblem p = Make(subTopic, random);
        const qint64 needed = AnswerFromText(p.text);
        QVERIFY2(needed >= 0, qPrintable(p.text));
        QCOMPARE(p.answer, needed);
        for (int number : {p.first, p.second, p.third})
            QVERIFY(number >= 0 && number <= 999); // each fits the three digit lists

        // The worked line keeps the value of the shown expression.
        const RuleVerdict verdict = JudgeRuleAnswer(p, needed);
        QVERIFY(verdict.right);
        const QStringList sides = verdict.workedLine.split(QStringLiteral(" = "));
        QCOMPARE(sides.size(), 2);
        QVERIFY2(p.text.startsWith(sides[0] + " = ?"), qPrintable(verdict.workedLine));
        qint64 left = 0;
        qint64 right = 0;
        QVERIFY2(Evaluator(sides[0]).evaluate(left) && Evaluator(sides[1]).evaluate(right),
                 qPrintable(verdict.workedLine));
        QCOMPARE(left, right);
        seen.insert(FormOf(verdict.workedLine));
    }
    for (const QString& form : forms)
        QVERIFY2(seen.contains(form), qPrintable(form));
}

void RuleProblemsTest::judge_data()
{
    QTest::addColumn<int>("subTopic");
    QTest::addColumn<QList<int>>("draws");
    QTest::addColumn<qint64>("entered");
    QTest::addColumn<bool>("right");

    const QList<int> sum{4, 2, 3, 2, 4, 0};   // 35 + 24 + 36
    const QList<int> nearHundred{0, 0, 1, 2, 3}; // 98 x 23
    QTest::newRow("pair, left first") << 1 << sum << PackRuleNumbers({24, 36}) << true;
    QTest::newRow("pair, right first") << 1 << sum << PackRuleNumbers({36, 24}) << false;
    QTest::newRow("pair, other addend") << 1 << sum << PackRuleNumbers({35, 24}) << false;
    QTest::newRow("98, 100, 2") << 3 << nearHundred << qint64(98100002) << true;
    QTest::newRow("100, 98, 2") << 3 << nearHundred << PackRuleNumbers({100, 98, 2}) << false;
    QTest::newRow("98, 2, 100") << 3 << nearHundred << PackRuleNumbers({98, 2, 100}) << false;
    QTest::newRow("nothing picked") << 3 << nearHundred << PackRuleNumbers({0, 0, 0}) << false;
}

void RuleProblemsTest::judge()
{
    QFETCH(int, subTopic);
    QFETCH(QList<int>, draws);
    QFETCH(qint64, entered);
    QFETCH(bool, right);
    ScriptedRandom random(draws);
    QCOMPARE(JudgeRuleAnswer(Make(subTopic, random), entered).right, right);
}

QTEST_APPLESS_MAIN(RuleProblemsTest)
#include "test_rule_problems.moc"
