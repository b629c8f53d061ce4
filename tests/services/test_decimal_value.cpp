// Tests of DecimalValue and FormatDecimal: the worked table and edge
// cases of the formatting, the arithmetic rules, the half-to-even conversion,
// comparisons, and the errors.
#include "decimal_value.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>
#include <optional>

Q_DECLARE_METATYPE(DecimalValue)
Q_DECLARE_METATYPE(std::function<void()>)

namespace {

constexpr qint32 kMax = std::numeric_limits<qint32>::max();
constexpr qint32 kMin = std::numeric_limits<qint32>::min();

DecimalValue W(qint32 n)
{
    return DecimalValue::fromWhole(n);
}

// n / d as the screens build their decimal operands (0.35 is Q(35, 100)).
DecimalValue Q(qint64 n, qint64 d)
{
    return DecimalValue::fromQuotient(n, d);
}

DecimalValue R(long double x)
{
    return DecimalValue::fromReal(x);
}

// The kind and the exact value, so a comparison fails on a different kind or
// on any bit of a double (QCOMPARE would compare doubles fuzzily).
QString Describe(const DecimalValue& v)
{
    switch (v.kind()) {
    case DecimalValue::Kind::Empty:
        return QStringLiteral("empty");
    case DecimalValue::Kind::Whole:
        return QStringLiteral("whole %1").arg(v.wholeValue());
    case DecimalValue::Kind::Real:
        return QString::asprintf("real %a (%.17g)", v.realValue(), v.realValue());
    }
    return {};
}

// The message of the DecimalError thrown by `action`, or nothing if none was.
std::optional<QString> ErrorOf(const std::function<void()>& action)
{
    try {
        action();
    } catch (const DecimalError& e) {
        return QString::fromUtf8(e.what());
    }
    return std::nullopt;
}

DecimalValue Apply(const DecimalValue& a, const QString& op, const DecimalValue& b)
{
    if (op == QLatin1String("+"))
        return a + b;
    if (op == QLatin1String("-"))
        return a - b;
    if (op == QLatin1String("*"))
        return a * b;
    if (op == QLatin1String("/"))
        return a / b;
    if (op == QLatin1String("div"))
        return a.div(b);
    qFatal("unknown operation");
}

DecimalValue ApplyCompound(DecimalValue a, const QString& op, const DecimalValue& b)
{
    if (op == QLatin1String("+"))
        return a += b;
    if (op == QLatin1String("-"))
        return a -= b;
    if (op == QLatin1String("*"))
        return a *= b;
    if (op == QLatin1String("/"))
        return a /= b;
    if (op == QLatin1String("div"))
        return a.divAssign(b);
    qFatal("unknown operation");
}

} // namespace

class TestDecimalValue : public QObject
{
    Q_OBJECT

private slots:
    void kinds();
    void fromQuotientGivesNearestDouble_data();
    void fromQuotientGivesNearestDouble();
    void arithmetic_data();
    void arithmetic();
    void toWhole_data();
    void toWhole();
    void compareWithWhole_data();
    void compareWithWhole();
    void formatDecimal_data();
    void formatDecimal();
    void errors_data();
    void errors();
};

void TestDecimalValue::kinds()
{
    const DecimalValue empty;
    QCOMPARE(empty.kind(), DecimalValue::Kind::Empty);
    QVERIFY(empty.isEmpty() && !empty.isWhole() && !empty.isReal());

    const DecimalValue whole = W(-12);
    QCOMPARE(whole.kind(), DecimalValue::Kind::Whole);
    QVERIFY(!whole.isEmpty() && whole.isWhole() && !whole.isReal());
    QCOMPARE(whole.wholeValue(), -12);
    QCOMPARE(whole.realValue(), -12.0);

    // A real value stays real even when it holds a whole number.
    const DecimalValue real = Q(300, 100);
    QCOMPARE(real.kind(), DecimalValue::Kind::Real);
    QVERIFY(!real.isEmpty() && !real.isWhole() && real.isReal());
    QCOMPARE(Describe(real), Describe(R(3.0L)));

    // A plain value: a copy is independent of the original.
    DecimalValue copy = whole;
    copy += W(2);
    QCOMPARE(whole.wholeValue(), -12);
    QCOMPARE(copy.wholeValue(), -10);

    // The binary operators leave their operands alone.
    const DecimalValue a = Q(25, 10);
    const DecimalValue sum = a + W(1);
    QCOMPARE(Describe(a), Describe(R(2.5L)));
    QCOMPARE(Describe(sum), Describe(R(3.5L)));
}

void TestDecimalValue::fromQuotientGivesNearestDouble_data()
{
    QTest::addColumn<qint64>("numerator");
    QTest::addColumn<qint64>("denominator");
    QTest::addColumn<double>("expected"); // a literal is the nearest double

    QTest::newRow("235/100") << qint64(235) << qint64(100) << 2.35;
    QTest::newRow("35/100") << qint64(35) << qint64(100) << 0.35;
    QTest::newRow("57/100") << qint64(57) << qint64(100) << 0.57;
    QTest::newRow("7/1000") << qint64(7) << qint64(1000) << 0.007;
    QTest::newRow("1234/10") << qint64(1234) << qint64(10) << 123.4;
    QTest::newRow("12345/10000") << qint64(12345) << qint64(10000) << 1.2345;
    QTest::newRow("-7/2") << qint64(-7) << qint64(2) << -3.5;
    QTest::newRow("0/10") << qint64(0) << qint64(10) << 0.0;
    QTest::newRow("1/3") << qint64(1) << qint64(3) << 1.0 / 3.0;
}

void TestDecimalValue::fromQuotientGivesNearestDouble()
{
    QFETCH(qint64, numerator);
    QFETCH(qint64, denominator);
    QFETCH(double, expected);
    QCOMPARE(Describe(Q(numerator, denominator)), Describe(R(expected)));
}

void TestDecimalValue::arithmetic_data()
{
    QTest::addColumn<DecimalValue>("a");
    QTest::addColumn<QString>("op");
    QTest::addColumn<DecimalValue>("b");
    QTest::addColumn<DecimalValue>("expected");

    const QString add = QStringLiteral("+"), sub = QStringLiteral("-"), mul = QStringLiteral("*"),
                  quo = QStringLiteral("/"), div = QStringLiteral("div");

    // Whole op whole stays whole while the result fits in 32 bits.
    QTest::newRow("2 + 3") << W(2) << add << W(3) << W(5);
    QTest::newRow("7 - 10") << W(7) << sub << W(10) << W(-3);
    QTest::newRow("6 * 7") << W(6) << mul << W(7) << W(42);
    QTest::newRow("max + min") << W(kMax) << add << W(kMin) << W(-1);
    QTest::newRow("max - 0") << W(kMax) << sub << W(0) << W(kMax);
    QTest::newRow("46340 * 46340") << W(46340) << mul << W(46340) << W(2147395600);
    QTest::newRow("(min + 1) * -1") << W(kMin + 1) << mul << W(-1) << W(kMax);

    // Beyond 32 bits the exact operands are combined as reals.
    QTest::newRow("max + 1") << W(kMax) << add << W(1) << R(2147483648.0L);
    QTest::newRow("min - 1") << W(kMin) << sub << W(1) << R(-2147483649.0L);
    QTest::newRow("min * -1") << W(kMin) << mul << W(-1) << R(2147483648.0L);
    QTest::newRow("65536 * 65536") << W(65536) << mul << W(65536) << R(4294967296.0L);
    QTest::newRow("100000 * 100000") << W(100000) << mul << W(100000) << R(1e10L);
    QTest::newRow("max * max") << W(kMax) << mul << W(kMax)
                               << R(static_cast<double>(4611686014132420609LL));

    // Either side real: doubles combined in long double, rounded to double.
    QTest::newRow("2.5 * 3") << Q(25, 10) << mul << W(3) << R(7.5L);
    QTest::newRow("3 * 2.5") << W(3) << mul << Q(25, 10) << R(7.5L);
    QTest::newRow("2.5 + 0.5 stays real") << Q(25, 10) << add << Q(5, 10) << R(3.0L);
    QTest::newRow("2.5 - 2.5 stays real") << Q(25, 10) << sub << Q(25, 10) << R(0.0L);
    QTest::newRow("0.35 * 100") << Q(35, 100) << mul << W(100) << R(35.0L);
    QTest::newRow("0.57 * 100 just below 57") << Q(57, 100) << mul << W(100)
                                              << R(std::nextafter(57.0, 0.0));
    QTest::newRow("0.57 * 1000") << Q(57, 100) << mul << W(1000) << R(570.0L);
    QTest::newRow("2.95 * 10") << Q(295, 100) << mul << W(10) << R(29.5L);
    QTest::newRow("2.85 * 10") << Q(285, 100) << mul << W(10) << R(28.5L);
    // Plain double arithmetic gives 0x1.14c49ba5e353fp+3 (8.6489999999999991);
    // long double then double gives the next double up.
    QTest::newRow("0.03 * 288.3 in long double") << Q(3, 100) << mul << Q(2883, 10)
                                                 << R(0x1.14c49ba5e3540p+3L);
    QTest::newRow("0.1 + 0.2") << Q(1, 10) << add << Q(2, 10) << R(0.30000000000000004L);

    // Division always gives a real.
    QTest::newRow("7 / 2") << W(7) << quo << W(2) << R(3.5L);
    QTest::newRow("6 / 3 is real") << W(6) << quo << W(3) << R(2.0L);
    QTest::newRow("-7 / 2") << W(-7) << quo << W(2) << R(-3.5L);
    QTest::newRow("1 / 3") << W(1) << quo << W(3) << R(1.0 / 3.0);
    QTest::newRow("12.6 / 10") << Q(126, 10) << quo << W(10) << R(1.26L);
    QTest::newRow("7.5 / 2.5") << Q(75, 10) << quo << Q(25, 10) << R(3.0L);
    QTest::newRow("min / -1") << W(kMin) << quo << W(-1) << R(2147483648.0L);

    // div on whole values: the quotient truncated toward zero.
    QTest::newRow("7 div 2") << W(7) << div << W(2) << W(3);
    QTest::newRow("-7 div 2") << W(-7) << div << W(2) << W(-3);
    QTest::newRow("7 div -2") << W(7) << div << W(-2) << W(-3);
    QTest::newRow("-7 div -2") << W(-7) << div << W(-2) << W(3);
    QTest::newRow("10 div 4") << W(10) << div << W(4) << W(2);
    QTest::newRow("0 div 5") << W(0) << div << W(5) << W(0);
    QTest::newRow("max div 1") << W(kMax) << div << W(1) << W(kMax);
    QTest::newRow("min div 1") << W(kMin) << div << W(1) << W(kMin);
    // div on reals: each operand first rounded half to even, then as whole.
    QTest::newRow("2.5 div 1") << Q(25, 10) << div << W(1) << W(2);
    QTest::newRow("3.5 div 1") << Q(35, 10) << div << W(1) << W(4);
    QTest::newRow("-2.5 div 1") << Q(-25, 10) << div << W(1) << W(-2);
    QTest::newRow("29.5 div 10") << Q(295, 10) << div << W(10) << W(3);
    QTest::newRow("28.5 div 10") << Q(285, 10) << div << W(10) << W(2);
    QTest::newRow("7.5 div 2.5") << Q(75, 10) << div << Q(25, 10) << W(4);
    QTest::newRow("9 div 2.6") << W(9) << div << Q(26, 10) << W(3);
    QTest::newRow("-9.4 div 2") << Q(-94, 10) << div << W(2) << W(-4);
}

void TestDecimalValue::arithmetic()
{
    QFETCH(DecimalValue, a);
    QFETCH(QString, op);
    QFETCH(DecimalValue, b);
    QFETCH(DecimalValue, expected);

    QCOMPARE(Describe(Apply(a, op, b)), Describe(expected));
    QCOMPARE(Describe(ApplyCompound(a, op, b)), Describe(expected));
}

void TestDecimalValue::toWhole_data()
{
    QTest::addColumn<DecimalValue>("value");
    QTest::addColumn<qint32>("expected");

    QTest::newRow("whole 42") << W(42) << 42;
    QTest::newRow("whole max") << W(kMax) << kMax;
    QTest::newRow("whole min") << W(kMin) << kMin;
    QTest::newRow("2.5") << Q(25, 10) << 2;
    QTest::newRow("3.5") << Q(35, 10) << 4;
    QTest::newRow("29.5") << Q(295, 10) << 30;
    QTest::newRow("28.5") << Q(285, 10) << 28;
    QTest::newRow("0.5") << Q(5, 10) << 0;
    QTest::newRow("1.5") << Q(15, 10) << 2;
    QTest::newRow("-0.5") << Q(-5, 10) << 0;
    QTest::newRow("-1.5") << Q(-15, 10) << -2;
    QTest::newRow("-2.5") << Q(-25, 10) << -2;
    QTest::newRow("-3.5") << Q(-35, 10) << -4;
    QTest::newRow("-28.5") << Q(-285, 10) << -28;
    QTest::newRow("2.4") << Q(24, 10) << 2;
    QTest::newRow("2.6") << Q(26, 10) << 3;
    QTest::newRow("-2.4") << Q(-24, 10) << -2;
    QTest::newRow("-2.6") << Q(-26, 10) << -3;
    QTest::newRow("0.49999999999999994") << R(0.49999999999999994L) << 0;
    QTest::newRow("-0.0") << R(-0.0L) << 0;
    QTest::newRow("real 3.0") << R(3.0L) << 3;
    QTest::newRow("2147483647.4") << R(2147483647.4L) << kMax;
    QTest::newRow("2147483646.5") << R(2147483646.5L) << 2147483646;
    QTest::newRow("-2147483648.5") << R(-2147483648.5L) << kMin;
}

void TestDecimalValue::toWhole()
{
    QFETCH(DecimalValue, value);
    QFETCH(qint32, expected);
    QCOMPARE(value.toWhole(), expected);
}

void TestDecimalValue::compareWithWhole_data()
{
    QTest::addColumn<DecimalValue>("value");
    QTest::addColumn<int>("whole");
    QTest::addColumn<int>("order"); // -1 less, 0 equal, 1 greater

    QTest::newRow("3 vs 3") << W(3) << 3 << 0;
    QTest::newRow("3 vs 4") << W(3) << 4 << -1;
    QTest::newRow("-3 vs -4") << W(-3) << -4 << 1;
    QTest::newRow("min vs min") << W(kMin) << kMin << 0;
    QTest::newRow("real 3.0 vs 3") << R(3.0L) << 3 << 0;
    QTest::newRow("2.5 vs 2") << Q(25, 10) << 2 << 1;
    QTest::newRow("2.5 vs 3") << Q(25, 10) << 3 << -1;
    QTest::newRow("-0.5 vs 0") << Q(-5, 10) << 0 << -1;
    QTest::newRow("-0.0 vs 0") << R(-0.0L) << 0 << 0;
    QTest::newRow("0.57 * 100 vs 57") << Q(57, 100) * W(100) << 57 << -1;
    QTest::newRow("2147483647.5 vs max") << R(2147483647.5L) << kMax << 1;
    QTest::newRow("-2147483648.5 vs min") << R(-2147483648.5L) << kMin << -1;
}

void TestDecimalValue::compareWithWhole()
{
    QFETCH(DecimalValue, value);
    QFETCH(int, whole);
    QFETCH(int, order);

    QCOMPARE(value == whole, order == 0);
    QCOMPARE(value != whole, order != 0);
    QCOMPARE(value < whole, order < 0);
    QCOMPARE(value > whole, order > 0);
    QCOMPARE(value <= whole, order <= 0);
    QCOMPARE(value >= whole, order >= 0);
}

void TestDecimalValue::formatDecimal_data()
{
    QTest::addColumn<DecimalValue>("value");
    QTest::addColumn<int>("places");
    QTest::addColumn<QString>("text");

    // The worked examples of fixed-place formatting.
    QTest::newRow("2.5, 1") << Q(25, 10) << 1 << "2.5";
    QTest::newRow("0.3, 1") << Q(3, 10) << 1 << "0.3";
    QTest::newRow("0.35, 1") << Q(35, 100) << 1 << "0.3";
    QTest::newRow("123.4, 1") << Q(1234, 10) << 1 << "123.4";
    QTest::newRow("0.1, 2") << Q(1, 10) << 2 << "0.10";
    QTest::newRow("0.05, 2") << Q(5, 100) << 2 << "0.05";
    QTest::newRow("7.125, 2") << Q(7125, 1000) << 2 << "7.12";
    QTest::newRow("whole 3, 2") << W(3) << 2 << "3.00";
    QTest::newRow("1.25, 3") << Q(125, 100) << 3 << "1.250";
    QTest::newRow("0.007, 3") << Q(7, 1000) << 3 << "0.007";
    QTest::newRow("whole 12, 0") << W(12) << 0 << "12";
    QTest::newRow("2.96, 0") << Q(296, 100) << 0 << "3";
    QTest::newRow("2.95, 0") << Q(295, 100) << 0 << "3";
    QTest::newRow("2.85, 0") << Q(285, 100) << 0 << "2";

    // Edge cases: the guard place, zeros, padding, the range boundary.
    QTest::newRow("0.57, 2 (x100 falls below 57)") << Q(57, 100) << 2 << "0.57";
    QTest::newRow("0.57 * 100, 0") << Q(57, 100) * W(100) << 0 << "57";
    QTest::newRow("2.35 * 10, 1") << Q(235, 100) * W(10) << 1 << "23.5";
    QTest::newRow("12.6 / 10, 2") << Q(126, 10) / W(10) << 2 << "1.26";
    QTest::newRow("0.1 + 0.2, 1") << Q(1, 10) + Q(2, 10) << 1 << "0.3";
    QTest::newRow("1.2345, 4") << Q(12345, 10000) << 4 << "1.2345";
    QTest::newRow("1.2345, 3") << Q(12345, 10000) << 3 << "1.234";
    QTest::newRow("0.0001, 4") << Q(1, 10000) << 4 << "0.0001";
    QTest::newRow("0.0001, 3") << Q(1, 10000) << 3 << "0.000";
    QTest::newRow("1/3, 8") << Q(1, 3) << 8 << "0.33333333";
    QTest::newRow("2/3, 2") << Q(2, 3) << 2 << "0.66";
    QTest::newRow("whole 0, 2") << W(0) << 2 << "0.00";
    QTest::newRow("real 0, 1") << R(0.0L) << 1 << "0.0";
    QTest::newRow("whole 0, 0") << W(0) << 0 << "0";
    QTest::newRow("real 0.04, 0") << Q(4, 100) << 0 << "0";
    QTest::newRow("real 3.0, 0") << R(3.0L) << 0 << "3";
    QTest::newRow("whole 2, 8") << W(2) << 8 << "2.00000000";
    QTest::newRow("whole 214748364, 0") << W(214748364) << 0 << "214748364";
    QTest::newRow("whole 21474836, 1") << W(21474836) << 1 << "21474836.0";
    QTest::newRow("21474836.47, 1") << Q(2147483647, 100) << 1 << "21474836.4";

    // Negative values: "-" and the text of the absolute value.
    QTest::newRow("-2.5, 1") << Q(-25, 10) << 1 << "-2.5";
    QTest::newRow("-0.35, 1") << Q(-35, 100) << 1 << "-0.3";
    QTest::newRow("-0.007, 3") << Q(-7, 1000) << 3 << "-0.007";
    QTest::newRow("whole -7, 0") << W(-7) << 0 << "-7";
    QTest::newRow("whole -3, 2") << W(-3) << 2 << "-3.00";
    QTest::newRow("-2.95, 0") << Q(-295, 100) << 0 << "-3";
    QTest::newRow("-2.85, 0") << Q(-285, 100) << 0 << "-2";
    QTest::newRow("-0.03, 1") << Q(-3, 100) << 1 << "-0.0";
    QTest::newRow("-0.0, 1") << R(-0.0L) << 1 << "0.0";
    QTest::newRow("whole -214748364, 0") << W(-214748364) << 0 << "-214748364";
}

void TestDecimalValue::formatDecimal()
{
    QFETCH(DecimalValue, value);
    QFETCH(int, places);
    QFETCH(QString, text);
    QCOMPARE(FormatDecimal(value, places), text);
}

void TestDecimalValue::errors_data()
{
    // Each row is an action that must throw DecimalError with a message that
    // names the cause (the word to look for).
    QTest::addColumn<std::function<void()>>("action");
    QTest::addColumn<QString>("word");

    const DecimalValue empty;
    const auto row = [](const char* name, std::function<void()> action, const char* word) {
        QTest::newRow(name) << action << QString::fromLatin1(word);
    };

    // Arithmetic, conversion and comparison on an empty value.
    row("empty + 1", [=] { (void)(empty + W(1)); }, "empty");
    row("1 + empty", [=] { (void)(W(1) + empty); }, "empty");
    row("empty - empty", [=] { (void)(empty - empty); }, "empty");
    row("empty * 2.5", [=] { (void)(empty * Q(25, 10)); }, "empty");
    row("empty / 1", [=] { (void)(empty / W(1)); }, "empty");
    row("1 / empty", [=] { (void)(W(1) / empty); }, "empty");
    row("empty div 1", [=] { (void)empty.div(W(1)); }, "empty");
    row("1 div empty", [=] { (void)W(1).div(empty); }, "empty");
    row("empty += 1", [=] { DecimalValue v; v += W(1); }, "empty");
    row("empty toWhole", [=] { (void)empty.toWhole(); }, "empty");
    row("empty realValue", [=] { (void)empty.realValue(); }, "empty");
    row("empty wholeValue", [=] { (void)empty.wholeValue(); }, "empty");
    row("empty == 0", [=] { (void)(empty == 0); }, "empty");
    row("empty < 0", [=] { (void)(empty < 0); }, "empty");
    row("empty >= 0", [=] { (void)(empty >= 0); }, "empty");

    // Division by zero, whole and real, "div" and "/".
    row("1 div 0", [] { (void)W(1).div(W(0)); }, "zero");
    row("2.5 div 0.4 (0.4 rounds to 0)", [] { (void)Q(25, 10).div(Q(4, 10)); }, "zero");
    row("1 / 0", [] { (void)(W(1) / W(0)); }, "zero");
    row("1.5 / 0.0", [] { (void)(Q(15, 10) / R(0.0L)); }, "zero");
    row("0 / 0", [] { (void)(W(0) / W(0)); }, "zero");
    row("1 /= -0.0", [] { DecimalValue v = W(1); v /= R(-0.0L); }, "zero");
    row("quotient 1 / 0", [] { (void)Q(1, 0); }, "zero");

    // Results outside the 32-bit range where a whole is needed.
    row("2147483647.5 toWhole", [] { (void)R(2147483647.5L).toWhole(); }, "range");
    row("-2147483649 toWhole", [] { (void)R(-2147483649.0L).toWhole(); }, "range");
    row("1e10 toWhole", [] { (void)R(1e10L).toWhole(); }, "range");
    row("(max + 1) toWhole", [] { (void)(W(kMax) + W(1)).toWhole(); }, "range");
    row("min div -1", [] { (void)W(kMin).div(W(-1)); }, "range");
    row("3e9 div 1", [] { (void)R(3e9L).div(W(1)); }, "range");

    // A real value read as a whole one, and reals that are not finite.
    row("real wholeValue", [] { (void)Q(25, 10).wholeValue(); }, "real");
    row("1e308 * 10", [] { (void)(R(1e308L) * W(10)); }, "finite");
    row("1e308 / 1e-308", [] { (void)(R(1e308L) / R(1e-308L)); }, "finite");
    row("fromReal infinity",
        [] { (void)R(std::numeric_limits<long double>::infinity()); }, "finite");
    row("fromReal NaN", [] { (void)R(std::numeric_limits<long double>::quiet_NaN()); }, "finite");
    row("fromReal beyond double", [] { (void)R(1e400L); }, "finite");

    // FormatDecimal: empty, places outside 0..8, products outside 32 bits.
    row("format empty", [=] { (void)FormatDecimal(empty, 1); }, "empty");
    row("format places -1", [] { (void)FormatDecimal(W(1), -1); }, "places");
    row("format places 9", [] { (void)FormatDecimal(W(1), 9); }, "places");
    row("format 214748364.8, 1", [] { (void)FormatDecimal(Q(2147483648LL, 10), 1); }, "range");
    row("format whole 214748365, 0", [] { (void)FormatDecimal(W(214748365), 0); }, "range");
    row("format whole 21474837, 1", [] { (void)FormatDecimal(W(21474837), 1); }, "range");
    row("format whole 3, 8", [] { (void)FormatDecimal(W(3), 8); }, "range");
    row("format 1e10, 0", [] { (void)FormatDecimal(R(1e10L), 0); }, "range");
    row("format whole max, 0", [] { (void)FormatDecimal(W(kMax), 0); }, "range");
    row("format whole min, 0", [] { (void)FormatDecimal(W(kMin), 0); }, "range");
    row("format -214748364.8, 1", [] { (void)FormatDecimal(Q(-2147483648LL, 10), 1); }, "range");
}

void TestDecimalValue::errors()
{
    QFETCH(std::function<void()>, action);
    QFETCH(QString, word);

    const std::optional<QString> message = ErrorOf(action);
    QVERIFY2(message.has_value(), "no DecimalError was thrown");
    QVERIFY2(message->contains(word, Qt::CaseInsensitive), qPrintable(*message));
}

QTEST_APPLESS_MAIN(TestDecimalValue)
#include "test_decimal_value.moc"
