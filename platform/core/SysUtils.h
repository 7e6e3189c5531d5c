#pragma once
// Conversions of the class library: text to integer and back, floating-point text, Format.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <variant>

// Optional leading spaces, optional sign, then decimal digits or a hexadecimal number after
// "$", "x", "X", "0x" or "0X"; the value must fit 32 bits (hexadecimal up to 0xFFFFFFFF, taken as
// its two's-complement bit pattern). Anything else raises EConvertError "'%s' は整数ではありません".
std::int32_t StrToInt(const std::string& text);
// As StrToInt, but returns false instead of raising.
bool TryStrToInt(const std::string& text, std::int32_t& value);
std::string IntToStr(std::int64_t value);

// General format with 15 significant digits from a long double: trailing zeros dropped, no
// decimal separator for whole numbers, the user's locale decimal separator, exponent form
// ("1.5E-5", "1E20") when the rounded value is below 0.0001 or has more than 15 integer digits.
std::string FloatToStr(long double value);
// The decimal separator FloatToStr uses: the current C locale's, "." when it has none.
char DecimalSeparator();

// Format arguments: integers, texts and floating-point numbers.
using TVarRec = std::variant<std::int64_t, std::string, long double>;
// The forms the program uses: %s, %d, %x, %u, %%, with an optional width ("%5d", "%-5s").
// A directive whose argument is missing or of the wrong kind raises EConvertError.
std::string Format(const std::string& format, std::initializer_list<TVarRec> args);

// Compares ASCII-case-insensitively (only a-z folded): <0, 0, >0.
int CompareText(const std::string& a, const std::string& b);
bool SameText(const std::string& a, const std::string& b);
std::string UpperCase(const std::string& text);  // ASCII only
std::string LowerCase(const std::string& text);  // ASCII only
std::string Trim(const std::string& text);
std::string ExtractFileExt(const std::string& fileName);   // ".bmp", "" when none; "/" separates folders
std::string ExtractFileName(const std::string& fileName);
std::string ExtractFilePath(const std::string& fileName);  // with its trailing "/"
bool FileExists(const std::string& fileName);
