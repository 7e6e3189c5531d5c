// FloatToStr: the class library's general format with 15 significant digits.
#include <cfenv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/core/SysUtils.h"

namespace {

constexpr int Precision = 15;

struct DecimalDigits {
    std::string digits;  // significant digits, trailing zeros removed, never empty
    int exponent = 0;    // value = d.ddd x 10^exponent
};

// glibc prints a long double exactly and rounds the printed digits by the current rounding mode.
std::string PrintScientific(long double magnitude, int digitsAfterPoint, int roundingMode)
{
    const int savedMode = std::fegetround();
    std::fesetround(roundingMode);
    char text[96];
    std::snprintf(text, sizeof text, "%.*Le", digitsAfterPoint, magnitude);
    std::fesetround(savedMode);
    return text;
}

// Digits and exponent of printf's "%e" text. The decimal point between the digits belongs to the
// C locale and may be any character, so only digits are taken before the 'e'.
DecimalDigits ParseScientific(const std::string& text)
{
    DecimalDigits result;
    const std::size_t e = text.find('e');
    for (std::size_t i = 0; i < e; ++i)
        if (text[i] >= '0' && text[i] <= '9')
            result.digits += text[i];
    result.exponent = static_cast<int>(std::strtol(text.c_str() + e + 1, nullptr, 10));
    return result;
}

// The magnitude rounded to 15 significant digits. A value exactly halfway between two 15-digit
// decimals rounds away from zero, as the class library does, rather than to the even neighbour:
// such a value has exactly 16 significant digits, ending in 5, so printing 16 digits rounded down
// and rounded up gives the same text.
DecimalDigits RoundToPrecision(long double magnitude)
{
    int mode = FE_TONEAREST;
    const std::string down = PrintScientific(magnitude, Precision, FE_DOWNWARD);
    if (down == PrintScientific(magnitude, Precision, FE_UPWARD)) {
        const DecimalDigits exact = ParseScientific(down);
        if (exact.digits.back() == '5')
            mode = FE_UPWARD;
    }
    DecimalDigits rounded = ParseScientific(PrintScientific(magnitude, Precision - 1, mode));
    const std::size_t lastNonZero = rounded.digits.find_last_not_of('0');
    rounded.digits.resize(lastNonZero == std::string::npos ? 1 : lastNonZero + 1);
    return rounded;
}

}  // namespace

char DecimalSeparator()
{
    const std::lconv* conventions = std::localeconv();
    const char* point = conventions != nullptr ? conventions->decimal_point : nullptr;
    // A separator of several bytes (a multi-byte character) can't be one char: keep ".".
    if (point == nullptr || std::strlen(point) != 1)
        return '.';
    return point[0];
}

std::string FloatToStr(long double value)
{
    if (std::isnan(value))
        return "NAN";
    if (std::isinf(value))
        return value < 0 ? "-INF" : "INF";
    if (value == 0)
        return "0";  // also negative zero

    const DecimalDigits number = RoundToPrecision(std::fabs(value));
    const std::string& digits = number.digits;
    const int exponent = number.exponent;
    const char separator = DecimalSeparator();
    std::string text = value < 0 ? "-" : "";

    // Fixed-point form while the integer part has at most 15 digits and the value is at least
    // 0.0001 (after rounding); otherwise "d.dddE-x" with the exponent as short as possible.
    if (exponent >= Precision || exponent < -4) {
        text += digits[0];
        if (digits.size() > 1) {
            text += separator;
            text.append(digits, 1);
        }
        text += 'E';
        text += std::to_string(exponent);
    } else if (exponent >= 0) {
        const std::size_t integerDigits = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerDigits) {
            text += digits;
            text.append(integerDigits - digits.size(), '0');
        } else {
            text.append(digits, 0, integerDigits);
            text += separator;
            text.append(digits, integerDigits);
        }
    } else {
        text += '0';
        text += separator;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    }
    return text;
}
