#include "platform/core/SysUtils.h"

#include <sys/stat.h>

#include <algorithm>
#include <climits>

#include "platform/core/Exceptions.h"

namespace {

// The digit's value in the given base, -1 when the character is no digit of it.
int DigitValue(char c, int base)
{
    int value = -1;
    if (c >= '0' && c <= '9')
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value < base ? value : -1;
}

// The class library's Val rules. Only spaces are skipped before the number (a tab is an error,
// as it is for the class library); nothing may follow it. Decimal numbers must fit 32 bits
// ("-2147483648" does, "2147483648" doesn't). Hexadecimal numbers may have up to 32 significant
// bits and are taken as a bit pattern, so "$FFFFFFFF" is -1, "$80000000" is -2147483648, and a
// sign in front negates that pattern ("-$FFFFFFFF" is 1).
bool ParseInteger(const std::string& text, std::int32_t& value)
{
    const std::size_t n = text.size();
    std::size_t i = 0;
    while (i < n && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < n && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    if (i == n)
        return false;

    std::uint32_t magnitude = 0;
    const int base = hex ? 16 : 10;
    // Above this the next digit would leave 32 bits (hexadecimal) or the signed range (decimal).
    const std::uint32_t limit = hex ? 0x0FFFFFFFu : 214748364u;
    for (; i < n; ++i) {
        const int digit = DigitValue(text[i], base);
        if (digit < 0 || magnitude > limit)
            return false;
        magnitude = magnitude * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
    }
    if (!hex && magnitude > (negative ? 0x80000000u : 0x7FFFFFFFu))
        return false;
    value = static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
    return true;
}

int FoldUpper(unsigned char c)
{
    return c >= 'a' && c <= 'z' ? c - ('a' - 'A') : c;
}

}  // namespace

bool TryStrToInt(const std::string& text, std::int32_t& value)
{
    return ParseInteger(text, value);
}

std::int32_t StrToInt(const std::string& text)
{
    std::int32_t value = 0;
    if (!ParseInteger(text, value))
        throw EConvertError(Format(Messages::InvalidInteger, {text}));
    return value;
}

std::string IntToStr(std::int64_t value)
{
    return std::to_string(value);
}

int CompareText(const std::string& a, const std::string& b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const int difference = FoldUpper(static_cast<unsigned char>(a[i])) -
                               FoldUpper(static_cast<unsigned char>(b[i]));
        if (difference != 0)
            return difference;
    }
    const long long lengthDifference =
        static_cast<long long>(a.size()) - static_cast<long long>(b.size());
    return static_cast<int>(std::clamp<long long>(lengthDifference, INT_MIN, INT_MAX));
}

bool SameText(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::string UpperCase(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - ('a' - 'A'));
    return result;
}

std::string LowerCase(const std::string& text)
{
    std::string result = text;
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + ('a' - 'A'));
    return result;
}

// Blanks and control characters go; bytes of multi-byte characters are above ' ' and stay.
std::string Trim(const std::string& text)
{
    auto isBlank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto first = std::find_if_not(text.begin(), text.end(), isBlank);
    const auto last = std::find_if_not(text.rbegin(), std::make_reverse_iterator(first), isBlank);
    return std::string(first, last.base());
}

std::string ExtractFileExt(const std::string& fileName)
{
    const std::size_t dot = fileName.find_last_of("./");
    if (dot == std::string::npos || fileName[dot] != '.')
        return {};
    return fileName.substr(dot);
}

std::string ExtractFileName(const std::string& fileName)
{
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? fileName : fileName.substr(slash + 1);
}

std::string ExtractFilePath(const std::string& fileName)
{
    const std::size_t slash = fileName.rfind('/');
    return slash == std::string::npos ? std::string() : fileName.substr(0, slash + 1);
}

bool FileExists(const std::string& fileName)
{
    struct stat info {};
    return !fileName.empty() && ::stat(fileName.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}
