#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

struct ValidCase {
    const char* text;
    std::int32_t value;
};

const ValidCase validCases[] = {
    {"0", 0},
    {"12", 12},
    {" 12", 12},
    {"   -7", -7},
    {"+7", 7},
    {"-0", 0},
    {"007", 7},
    {"2147483647", 2147483647},
    {"-2147483648", INT32_MIN},
    {"$FF", 255},
    {"$ff", 255},
    {"0x1A", 26},
    {"0X1a", 26},
    {"x10", 16},
    {"X10", 16},
    {"-$10", -16},
    {"+$10", 16},
    {"-0x10", -16},
    {"$7FFFFFFF", INT32_MAX},
    // Hexadecimal numbers are 32-bit patterns: the upper half reads as negative.
    {"$80000000", INT32_MIN},
    {"$FFFFFFFF", -1},
    {"-$FFFFFFFF", 1},
    {"$000000000010", 16},
};

TEST(StrToInt, AcceptsDecimalAndHexadecimalForms)
{
    for (const ValidCase& c : validCases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(StrToInt(c.text), c.value);
        std::int32_t value = 12345;
        EXPECT_TRUE(TryStrToInt(c.text, value));
        EXPECT_EQ(value, c.value);
    }
}

const char* const invalidCases[] = {
    "", " ", "a", "-", "+", "12 ", "1.5", "$", "0x", "-$", "x", "1a", "$G", "- 5", "+-5", "$-5",
    "2147483648", "-2147483649", "4294967296", "99999999999", "$100000000", "0x1FFFFFFFF",
    "\t5", "5\n", "１２",
};

TEST(StrToInt, RejectsEverythingElseWithTheTextInTheMessage)
{
    for (const char* text : invalidCases) {
        SCOPED_TRACE(text);
        try {
            StrToInt(text);
            ADD_FAILURE() << "accepted";
        } catch (const EConvertError& e) {
            EXPECT_EQ(e.Message, "'" + std::string(text) + "' は整数ではありません");
        }
        std::int32_t value = 99;
        EXPECT_FALSE(TryStrToInt(text, value));
    }
}

TEST(StrToInt, EmbeddedNulIsNotTheEndOfTheText)
{
    EXPECT_THROW(StrToInt(std::string("12\0" "3", 4)), EConvertError);
}

TEST(IntToStr, WritesPlainDecimal)
{
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-42), "-42");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
}

}  // namespace
