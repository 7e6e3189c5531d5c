// Format: the class library's printf-like formatting for the directives the program uses.
// Directive: "%" ["-"] [width] ["." precision] type, type one of s, d, u, x (either case); "%%"
// is a percent sign. Precision pads numbers with zeros to that many digits and cuts texts to that
// many bytes; width pads with blanks, on the left unless "-" is given.
#include <algorithm>
#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

[[noreturn]] void Fail(const char* message, const std::string& format)
{
    std::string text = message;
    text.replace(text.find("%s"), 2, format);
    throw EConvertError(text);
}

struct Directive {
    bool leftJustify = false;
    std::size_t width = 0;
    bool hasPrecision = false;
    std::size_t precision = 0;
    char type = 0;  // upper case
};

// A number of the directive; huge values are capped rather than allowed to overflow.
std::size_t ReadCount(const std::string& format, std::size_t& i)
{
    constexpr std::size_t cap = 1 << 20;
    std::size_t value = 0;
    for (; i < format.size() && format[i] >= '0' && format[i] <= '9'; ++i)
        value = std::min(value * 10 + static_cast<std::size_t>(format[i] - '0'), cap);
    return value;
}

// Parses the directive after its "%" at i; leaves i after the type letter.
Directive ReadDirective(const std::string& format, std::size_t& i)
{
    Directive directive;
    if (i < format.size() && format[i] == '-') {
        directive.leftJustify = true;
        ++i;
    }
    directive.width = ReadCount(format, i);
    if (i < format.size() && format[i] == '.') {
        ++i;
        directive.hasPrecision = true;
        directive.precision = ReadCount(format, i);
    }
    if (i == format.size())
        Fail(Messages::InvalidFormat, format);
    const char type = format[i++];
    directive.type = type >= 'a' && type <= 'z' ? static_cast<char>(type - ('a' - 'A')) : type;
    if (directive.type == 0 || std::strchr("SDUX", directive.type) == nullptr)
        Fail(Messages::InvalidFormat, format);
    return directive;
}

// An Integer argument (within 32 bits) shows its 32-bit pattern for %u and %x, as in the class
// library where -1 formats as FFFFFFFF; wider values show their 64-bit pattern.
std::uint64_t UnsignedPattern(std::int64_t value)
{
    if (value < 0 && value >= INT32_MIN)
        return static_cast<std::uint32_t>(static_cast<std::int32_t>(value));
    return static_cast<std::uint64_t>(value);
}

std::string FormatNumber(const Directive& directive, std::int64_t value)
{
    char digits[32];
    const bool negative = directive.type == 'D' && value < 0;
    if (directive.type == 'D')
        std::snprintf(digits, sizeof digits, "%" PRIu64,
                      negative ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value));
    else if (directive.type == 'U')
        std::snprintf(digits, sizeof digits, "%" PRIu64, UnsignedPattern(value));
    else
        std::snprintf(digits, sizeof digits, "%" PRIX64, UnsignedPattern(value));
    std::string text = negative ? "-" : "";
    const std::string body = digits;
    if (directive.hasPrecision && directive.precision > body.size())
        text.append(directive.precision - body.size(), '0');
    return text + body;
}

std::string FormatArgument(const Directive& directive, const TVarRec& argument,
                           const std::string& format)
{
    if (directive.type == 'S') {
        const auto* text = std::get_if<std::string>(&argument);
        if (text == nullptr)
            Fail(Messages::InvalidFormat, format);
        return directive.hasPrecision ? text->substr(0, directive.precision) : *text;
    }
    const auto* number = std::get_if<std::int64_t>(&argument);
    if (number == nullptr)
        Fail(Messages::InvalidFormat, format);
    return FormatNumber(directive, *number);
}

}  // namespace

std::string Format(const std::string& format, std::initializer_list<TVarRec> args)
{
    std::string result;
    auto nextArgument = args.begin();
    std::size_t i = 0;
    while (i < format.size()) {
        const std::size_t percent = format.find('%', i);
        result.append(format, i, percent == std::string::npos ? std::string::npos : percent - i);
        if (percent == std::string::npos)
            break;
        i = percent + 1;
        if (i < format.size() && format[i] == '%') {
            result += '%';
            ++i;
            continue;
        }
        const Directive directive = ReadDirective(format, i);
        if (nextArgument == args.end())
            Fail(Messages::ArgumentMissing, format);
        const std::string text = FormatArgument(directive, *nextArgument++, format);
        if (text.size() >= directive.width)
            result += text;
        else if (directive.leftJustify)
            result += text + std::string(directive.width - text.size(), ' ');
        else
            result += std::string(directive.width - text.size(), ' ') + text;
    }
    return result;
}
