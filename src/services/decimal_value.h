// DecimalValue: the number type of the decimals the screens show and record.
// A value is empty, a signed 32-bit whole number, or a double.
//
// Arithmetic follows fixed rules, because the answers the screens judge and
// record depend on them:
// - whole op whole (+, -, *) stays whole when the result fits in 32 bits;
//   otherwise the exact operands are combined as reals and the result is real;
// - when either side is real, both are taken as doubles, the operation is done
//   in long double (80-bit extended on x86-64) and rounded to the nearest double;
// - / always gives a real;
// - div gives a whole: on whole values the quotient truncated toward zero, on
//   reals each operand is first converted with toWhole() (half to even).
// Arithmetic or conversion on an empty value, a division by zero (div or /), a
// result outside the 32-bit range where a whole is needed, and a real result
// that is not finite all throw DecimalError.
//
// FormatDecimal writes a value with a fixed number of places, cut (not
// rounded) after the last place, with a guard place against products that fall
// just below a whole number in floating-point arithmetic.
#pragma once

#include <QString>
#include <QtGlobal>
#include <stdexcept>

// A program error in decimal arithmetic or formatting.
class DecimalError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

class DecimalValue
{
public:
    enum class Kind { Empty, Whole, Real };

    DecimalValue() = default; // empty

    static DecimalValue fromWhole(qint32 n);
    // Evaluated by the caller in long double, stored as the nearest double.
    // Throws if x is not finite.
    static DecimalValue fromReal(long double x);
    // numerator / denominator in long double, stored as the nearest double
    // (235 / 100 gives the double nearest 2.35). Throws if denominator is 0.
    static DecimalValue fromQuotient(qint64 numerator, qint64 denominator);

    Kind kind() const { return kind_; }
    bool isEmpty() const { return kind_ == Kind::Empty; }
    bool isWhole() const { return kind_ == Kind::Whole; }
    bool isReal() const { return kind_ == Kind::Real; }

    // The whole number of a whole value; throws for any other kind.
    qint32 wholeValue() const;
    // The value as a double (a whole value converted); throws when empty.
    double realValue() const;

    DecimalValue& operator+=(const DecimalValue& other);
    DecimalValue& operator-=(const DecimalValue& other);
    DecimalValue& operator*=(const DecimalValue& other);
    DecimalValue& operator/=(const DecimalValue& other);
    // The whole division "div".
    DecimalValue& divAssign(const DecimalValue& other);

    friend DecimalValue operator+(DecimalValue a, const DecimalValue& b) { return a += b; }
    friend DecimalValue operator-(DecimalValue a, const DecimalValue& b) { return a -= b; }
    friend DecimalValue operator*(DecimalValue a, const DecimalValue& b) { return a *= b; }
    friend DecimalValue operator/(DecimalValue a, const DecimalValue& b) { return a /= b; }
    DecimalValue div(const DecimalValue& other) const
    {
        DecimalValue result = *this;
        return result.divAssign(other);
    }

    // A whole value unchanged; a real rounded to the nearest integer, halves
    // to the even one (2.5 -> 2, 3.5 -> 4). Throws when empty or when the
    // result lies outside the signed 32-bit range.
    qint32 toWhole() const;

    // Comparison with a whole number by numeric value; throws when empty.
    friend bool operator==(const DecimalValue& a, int b) { return a.compareWith(b) == 0; }
    friend bool operator!=(const DecimalValue& a, int b) { return a.compareWith(b) != 0; }
    friend bool operator<(const DecimalValue& a, int b) { return a.compareWith(b) < 0; }
    friend bool operator>(const DecimalValue& a, int b) { return a.compareWith(b) > 0; }
    friend bool operator<=(const DecimalValue& a, int b) { return a.compareWith(b) <= 0; }
    friend bool operator>=(const DecimalValue& a, int b) { return a.compareWith(b) >= 0; }
    // Comparing with a floating-point number would silently cut it to an int.
    friend bool operator==(const DecimalValue&, double) = delete;
    friend bool operator!=(const DecimalValue&, double) = delete;
    friend bool operator<(const DecimalValue&, double) = delete;
    friend bool operator>(const DecimalValue&, double) = delete;
    friend bool operator<=(const DecimalValue&, double) = delete;
    friend bool operator>=(const DecimalValue&, double) = delete;

private:
    enum class Op { Add, Subtract, Multiply };

    static DecimalValue fromDouble(double x);
    DecimalValue& combine(Op op, const DecimalValue& other);
    void requireValue(const char* operation) const;
    int compareWith(int b) const;

    Kind kind_ = Kind::Empty;
    qint32 whole_ = 0;
    double real_ = 0.0;
};

// The value written with `places` decimal places (0 to 8), cut after the last
// place. A negative value gives "-" followed by the text of its absolute value.
// Throws DecimalError for an empty value, places outside 0..8, or a value whose
// product with 10 to the power places + 1 leaves the signed 32-bit range.
QString FormatDecimal(const DecimalValue& value, int places);
