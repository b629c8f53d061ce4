// DecimalValue arithmetic and FormatDecimal.
#include "decimal_value.h"

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr qint64 kWholeMin = std::numeric_limits<qint32>::min();
constexpr qint64 kWholeMax = std::numeric_limits<qint32>::max();

bool fitsWhole(qint64 n)
{
    return n >= kWholeMin && n <= kWholeMax;
}

// The double nearest to a long double result; a result that is not finite
// (an overflow of the double range) is an error rather than an infinity.
double nearestDouble(long double x, const char* operation)
{
    const double d = static_cast<double>(x);
    if (!std::isfinite(d))
        throw DecimalError(std::string("DecimalValue: the result of ") + operation
                           + " is not a finite number");
    return d;
}

// Rounds half to even without depending on the floating-point rounding mode.
double roundHalfToEven(double x)
{
    const double truncated = std::trunc(x);
    const double fraction = x - truncated; // exact: the bits of x below the point
    if (std::fabs(fraction) == 0.5)
        return std::fmod(truncated, 2.0) == 0.0 ? truncated : truncated + std::copysign(1.0, x);
    return std::round(x); // not a halfway case: nearest
}

} // namespace

DecimalValue DecimalValue::fromWhole(qint32 n)
{
    DecimalValue v;
    v.kind_ = Kind::Whole;
    v.whole_ = n;
    return v;
}

DecimalValue DecimalValue::fromDouble(double x)
{
    DecimalValue v;
    v.kind_ = Kind::Real;
    v.real_ = x;
    return v;
}

DecimalValue DecimalValue::fromReal(long double x)
{
    return fromDouble(nearestDouble(x, "fromReal"));
}

DecimalValue DecimalValue::fromQuotient(qint64 numerator, qint64 denominator)
{
    if (denominator == 0)
        throw DecimalError("DecimalValue: fromQuotient with a denominator of zero");
    const long double q = static_cast<long double>(numerator) / static_cast<long double>(denominator);
    return fromDouble(nearestDouble(q, "fromQuotient"));
}

void DecimalValue::requireValue(const char* operation) const
{
    if (kind_ == Kind::Empty)
        throw DecimalError(std::string("DecimalValue: ") + operation + " on an empty value");
}

qint32 DecimalValue::wholeValue() const
{
    if (kind_ != Kind::Whole)
        throw DecimalError(kind_ == Kind::Empty ? "DecimalValue: wholeValue of an empty value"
                                                : "DecimalValue: wholeValue of a real value");
    return whole_;
}

double DecimalValue::realValue() const
{
    requireValue("realValue");
    return kind_ == Kind::Whole ? static_cast<double>(whole_) : real_;
}

DecimalValue& DecimalValue::combine(Op op, const DecimalValue& other)
{
    static constexpr const char* kNames[] = {"addition", "subtraction", "multiplication"};
    const char* name = kNames[static_cast<int>(op)];
    requireValue(name);
    other.requireValue(name);

    if (kind_ == Kind::Whole && other.kind_ == Kind::Whole) {
        const qint64 a = whole_;
        const qint64 b = other.whole_;
        // A 32-bit sum, difference or product always fits in 64 bits.
        const qint64 exact = op == Op::Add ? a + b : op == Op::Subtract ? a - b : a * b;
        if (fitsWhole(exact)) {
            whole_ = static_cast<qint32>(exact);
            return *this;
        }
        // Otherwise the exact operands are combined as reals (below).
    }

    const long double a = realValue();
    const long double b = other.realValue();
    const long double r = op == Op::Add ? a + b : op == Op::Subtract ? a - b : a * b;
    *this = fromDouble(nearestDouble(r, name));
    return *this;
}

DecimalValue& DecimalValue::operator+=(const DecimalValue& other)
{
    return combine(Op::Add, other);
}

DecimalValue& DecimalValue::operator-=(const DecimalValue& other)
{
    return combine(Op::Subtract, other);
}

DecimalValue& DecimalValue::operator*=(const DecimalValue& other)
{
    return combine(Op::Multiply, other);
}

DecimalValue& DecimalValue::operator/=(const DecimalValue& other)
{
    requireValue("division");
    other.requireValue("division");
    const long double a = realValue();
    const long double b = other.realValue();
    if (b == 0.0L)
        throw DecimalError("DecimalValue: division by zero");
    *this = fromDouble(nearestDouble(a / b, "division"));
    return *this;
}

DecimalValue& DecimalValue::divAssign(const DecimalValue& other)
{
    requireValue("div");
    other.requireValue("div");
    const qint64 a = toWhole();
    const qint64 b = other.toWhole();
    if (b == 0)
        throw DecimalError("DecimalValue: div by zero");
    const qint64 q = a / b; // C++ division truncates toward zero
    if (!fitsWhole(q)) // only -2147483648 div -1
        throw DecimalError("DecimalValue: the result of div is outside the 32-bit range");
    *this = fromWhole(static_cast<qint32>(q));
    return *this;
}

qint32 DecimalValue::toWhole() const
{
    requireValue("conversion to a whole number");
    if (kind_ == Kind::Whole)
        return whole_;
    const double r = roundHalfToEven(real_);
    if (!(r >= static_cast<double>(kWholeMin) && r <= static_cast<double>(kWholeMax)))
        throw DecimalError("DecimalValue: conversion to a whole number outside the 32-bit range");
    return static_cast<qint32>(r);
}

int DecimalValue::compareWith(int b) const
{
    requireValue("comparison");
    if (kind_ == Kind::Whole)
        return whole_ < b ? -1 : whole_ > b ? 1 : 0;
    const double bd = b; // exact
    return real_ < bd ? -1 : real_ > bd ? 1 : 0;
}

QString FormatDecimal(const DecimalValue& value, int places)
{
    if (places < 0 || places > 8)
        throw DecimalError("FormatDecimal: the number of places must be 0 to 8, not "
                           + std::to_string(places));
    if (value.isEmpty())
        throw DecimalError("FormatDecimal: the value is empty");

    // Negative values (a choice of ours): "-" and the absolute value.
    // -0.0 compares equal to 0 and is written without a sign.
    if (value < 0) {
        const DecimalValue absolute = value * DecimalValue::fromWhole(-1);
        return QLatin1Char('-') + FormatDecimal(absolute, places);
    }

    // Both algorithms multiply by 10 to the power places + 1; a product that
    // leaves the 32-bit range is outside the routine's range.
    qint32 power = 10;
    for (int i = 0; i < places; ++i)
        power *= 10;
    const DecimalValue product = value * DecimalValue::fromWhole(power);
    qint32 scaled = 0;
    try {
        scaled = product.toWhole();
    } catch (const DecimalError&) {
        throw DecimalError("FormatDecimal: the value times 10 to the power "
                           + std::to_string(places + 1) + " is outside the 32-bit range");
    }
    // Cut to the places asked for (the extra place is only a guard).
    const qint32 digits = DecimalValue::fromWhole(scaled).div(DecimalValue::fromWhole(10)).wholeValue();

    QString text = QString::number(digits);
    if (places == 0)
        return text;
    if (text.size() < places + 1)
        text = QString(places + 1 - text.size(), QLatin1Char('0')) + text;
    text.insert(text.size() - places, QLatin1Char('.'));
    return text;
}
