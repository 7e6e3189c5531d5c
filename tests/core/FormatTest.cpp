#include <gtest/gtest.h>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

TEST(Format, Directives)
{
    EXPECT_EQ(Format("Loading by [%s]", {"ifjpeg.spi"}), "Loading by [ifjpeg.spi]");
    EXPECT_EQ(Format("%sは[%s]では使えないSusie Plugin APIです", {"GetPicture", "a.spi"}),
              "GetPictureは[a.spi]では使えないSusie Plugin APIです");
    EXPECT_EQ(Format("[%5s][%-5s][%2s][%.2s]", {"ab", "ab", "abcdef", "abcdef"}),
              "[   ab][ab   ][abcdef][ab]");
    EXPECT_EQ(Format("%d|%5d|%-5d|%.3d|%.3d", {-42, 42, 42, 5, -5}), "-42|   42|42   |005|-005");
    EXPECT_EQ(Format("%d", {INT64_MIN}), "-9223372036854775808");
    EXPECT_EQ(Format("%x %X %.8x", {255, 171, 0xABC}), "FF AB 00000ABC");
    EXPECT_EQ(Format("%u %u", {7, 4000000000LL}), "7 4000000000");
    EXPECT_EQ(Format("100%% %S%D", {"s", 1}), "100% s1");
    EXPECT_EQ(Format("no directives", {"unused"}), "no directives");
}

TEST(Format, NegativeIntegersShowTheir32BitPatternInUnsignedForms)
{
    EXPECT_EQ(Format("%x %u", {-1, -1}), "FFFFFFFF 4294967295");
    EXPECT_EQ(Format("%x", {INT64_MIN}), "8000000000000000");
}

TEST(Format, ArgumentsAreInsertedVerbatim)
{
    EXPECT_EQ(Format(Messages::FOpenError, {"/tmp/%d 100%.bmp"}), "ファイル /tmp/%d 100%.bmp は開けません");
    EXPECT_EQ(Format(Messages::InvalidInteger, {""}), "'' は整数ではありません");
}

TEST(Format, MissingOrMistypedArgumentsRaise)
{
    const struct {
        const char* format;
        std::initializer_list<TVarRec> args;
    } cases[] = {
        {"%s", {}},       {"%d %d", {1}},   {"%d", {"x"}}, {"%s", {5}},   {"%x", {1.5L}},
        {"%q", {1}},      {"abc%", {}},     {"%5", {1}},   {"%-", {1}},   {"%.", {1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        EXPECT_THROW(Format(c.format, c.args), EConvertError);
    }
    try {
        Format("value %d", {"text"});
        ADD_FAILURE();
    } catch (const EConvertError& e) {
        EXPECT_EQ(e.Message, "Format 'value %d' invalid or incompatible with argument");
    }
}

}  // namespace
