#pragma once
#include <string>
#include <string_view>

namespace treluza {

/** An exact rational number: a numerator over a positive denominator.
 *
 *  The numbers of the recipe arithmetic are field texts with at most two
 *  decimals, and every result is a product or quotient of two or three of them.
 *  Kept as fractions they stay exact until the result is written, where it is
 *  rounded once; in binary floating point 0,1 + 0,2 is not 0,3 and a half can
 *  round the wrong way. Values read from fields are bounded (see ReadNumber), so
 *  the 128-bit parts never overflow in those few operations. */
class Exact {
public:
    using Int = __int128;

    Exact() = default;
    /** A whole number. */
    static Exact whole(long long value) { return Exact(value, 1); }
    /** units / 10^decimals (decimals 0 to 18). */
    static Exact units(long long units, int decimals);

    bool isZero() const { return m_num == 0; }
    bool positive() const { return m_num > 0; }
    bool negative() const { return m_num < 0; }
    double toDouble() const;
    /** The value in units of 10^-d, rounded half away from zero (d 0 to 18). */
    Int roundedUnits(int d) const;

    friend Exact operator+(const Exact& a, const Exact& b);
    friend Exact operator-(const Exact& a, const Exact& b);
    friend Exact operator*(const Exact& a, const Exact& b);
    /** Throws std::domain_error for a zero divisor: every caller guards first. */
    friend Exact operator/(const Exact& a, const Exact& b);

    /** <0, 0 or >0; never overflows. */
    friend int compare(const Exact& a, const Exact& b);
    friend bool operator==(const Exact& a, const Exact& b) { return compare(a, b) == 0; }
    friend bool operator<(const Exact& a, const Exact& b) { return compare(a, b) < 0; }
    friend bool operator>(const Exact& a, const Exact& b) { return compare(a, b) > 0; }
    friend bool operator<=(const Exact& a, const Exact& b) { return compare(a, b) <= 0; }
    friend bool operator>=(const Exact& a, const Exact& b) { return compare(a, b) >= 0; }

private:
    Exact(Int num, Int den);

    Int m_num = 0;
    Int m_den = 1;
};

/** The number a field text holds, read as ParseDecimal reads it (decimal comma,
 *  blanks around it allowed; a blank template or a text that is not a number is
 *  0) but exactly. A value beyond +-1e9, which no field can hold, is bounded
 *  there, and decimals past the fourth are rounded off. */
Exact readNumber(std::string_view text);

/** Whether a field text is blank: it holds no digit, only blanks and the
 *  literals of its mask (the blank template, or the empty text a field that is
 *  missing from its line reads as). */
bool isBlankField(std::string_view text, std::string_view mask);

/** Normalises a typed numeric text the way leaving its field does: a present
 *  text gets its integer part right-aligned and its blank decimals filled with
 *  "0"; a blank one is left as it is. */
std::string normaliseField(std::string text, std::string_view mask);

/** Whether a typed numeric text holds one number: once its integer part is
 *  right-aligned against the comma (as leaving the field does), no blank stands
 *  between two of its digits ("15   8,0" and "8, 5" do not; "12    ,5 " and
 *  the blank template do). */
bool isWellFormedNumber(std::string_view text);

/** The largest value the mask can hold (999999,99 for "999999,99"). */
Exact maskMaximum(std::string_view mask);

/** A value as the text of a field of the mask: rounded half away from zero to
 *  the mask's decimals, decimal comma, blanks in front to the mask's width. A
 *  value too wide for the field is written as the field's largest value (or, if
 *  negative, its most negative one) instead of being cut into a number of the
 *  wrong magnitude. */
std::string fieldText(const Exact& value, std::string_view mask);

/** units / 10^decimals (units >= 0) with a decimal comma and no blanks:
 *  decimalText(5, 2) is "0,05". */
std::string decimalText(Exact::Int units, int decimals);

} // namespace treluza
