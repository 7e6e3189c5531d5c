#include <gtest/gtest.h>

#include <cfenv>
#include <cfloat>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <limits>

#include "platform/core/SysUtils.h"
#include "tests/core/TempDir.h"

namespace {

struct FloatCase {
    long double value;
    const char* text;
};

TEST(FloatToStr, GeneralFormatWith15SignificantDigits)
{
    const FloatCase cases[] = {
        // Rounded from the extended value: the same quotient in double precision ends in ...425.
        {3.0L / 47.0L, "0.0638297872340426"},
        {120.0L / 180.0L, "0.666666666666667"},
        {-120.0L / 180.0L, "-0.666666666666667"},
        {3.0L / 5.0L, "0.6"},
        {1.0L / 3.0L, "0.333333333333333"},
        {1.0L, "1"},
        {0.0L, "0"},
        {-0.0L, "0"},
        {-1.5L, "-1.5"},
        {100.0L, "100"},
        {1.0L / 509.0L, "0.00196463654223969"},
        {-1.0L, "-1"},
        // Fixed-point form up to 15 integer digits and down to 0.0001.
        {123456789012345.0L, "123456789012345"},
        {100000000000000.0L, "100000000000000"},
        {1e15L, "1E15"},
        {1234567890123456.0L, "1.23456789012346E15"},
        {999999999999999.9L, "1E15"},  // rounding carries into the 16th integer digit
        {0.0001L, "0.0001"},
        {0.000123L, "0.000123"},
        {0.00001L, "1E-5"},
        {0.0000999999999999999999L, "0.0001"},  // rounds up into the fixed-point range
        {-0.00001L, "-1E-5"},
        {1.5e-7L, "1.5E-7"},
        {-2e20L, "-2E20"},
        {1.25e100L, "1.25E100"},
        {LDBL_MAX, "1.18973149535723E4932"},
        {LDBL_TRUE_MIN, "3.64519953188247E-4951"},
        // Exactly halfway between two 15-digit decimals: away from zero, not to the even one.
        {1234567890123445.0L, "1.23456789012345E15"},
        {-1234567890123445.0L, "-1.23456789012345E15"},
        {std::ldexp(1.0L, -22), "2.38418579101563E-7"},
        {std::numeric_limits<long double>::quiet_NaN(), "NAN"},
        {std::numeric_limits<long double>::infinity(), "INF"},
        {-std::numeric_limits<long double>::infinity(), "-INF"},
    };
    for (const FloatCase& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(FloatToStr(c.value), c.text);
    }
}

TEST(FloatToStr, DoesNotDisturbTheRoundingMode)
{
    FloatToStr(2.0L / 3.0L);
    EXPECT_EQ(std::fegetround(), FE_TONEAREST);
}

// Builds a locale whose decimal separator is a comma, for the length of one test.
class CommaLocale : public TempDirTest {
protected:
    void SetUp() override
    {
        TempDirTest::SetUp();
        std::ofstream(dir_ / "comma.src") << "LC_NUMERIC\ndecimal_point \",\"\nthousands_sep \"\"\n"
                                             "grouping -1\nEND LC_NUMERIC\n";
        const std::string command = "localedef -c -i " + (dir_ / "comma.src").string() +
                                    " -f ANSI_X3.4-1968 " + (dir_ / "comma").string() +
                                    " >/dev/null 2>&1";
        [[maybe_unused]] const int status = std::system(command.c_str());  // warns, still writes
        ::setenv("LOCPATH", dir_.c_str(), 1);
        if (std::setlocale(LC_NUMERIC, "comma") == nullptr)
            GTEST_SKIP() << "localedef could not build a test locale";
    }
    void TearDown() override
    {
        std::setlocale(LC_NUMERIC, "C");
        ::unsetenv("LOCPATH");
        TempDirTest::TearDown();
    }
};

TEST_F(CommaLocale, UsesTheLocaleDecimalSeparator)
{
    EXPECT_EQ(DecimalSeparator(), ',');
    EXPECT_EQ(FloatToStr(3.0L / 5.0L), "0,6");
    EXPECT_EQ(FloatToStr(-1.5e-7L), "-1,5E-7");
    EXPECT_EQ(FloatToStr(120.0L / 180.0L), "0,666666666666667");
    EXPECT_EQ(FloatToStr(42.0L), "42");
}

TEST(DecimalSeparator, IsAPointInTheCLocale)
{
    EXPECT_EQ(DecimalSeparator(), '.');
}

}  // namespace
