// The public icon corpus: each file reads as its reference rendering shows, or fails cleanly.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Icon.h"
#include "tests/icons/IconTestSupport.h"

using namespace icon_test;

namespace {

std::string Corpus(const std::string& name) { return std::string(QUORVEL_TESTDATA_DIR) + "/ico/" + name; }

struct CorpusCase {
    const char* file;
    const char* reference;  // nullptr: no reference rendering; "": the file is refused
    int width, height;
};

// Largest difference of a channel between the icon drawn over white and the reference composed
// over white.
int LargestDifference(TIcon& icon, const std::string& reference)
{
    int width = 0, height = 0;
    const std::vector<std::uint8_t> rgba = DecodePngFile(reference, width, height);
    EXPECT_EQ(icon.Width(), width);
    EXPECT_EQ(icon.Height(), height);
    TBitmap drawn;
    drawn.Assign(&icon);
    int largest = 0;
    for (int y = 0; y < std::min(height, drawn.Height()); ++y)
        for (int x = 0; x < std::min(width, drawn.Width()); ++x) {
            const std::uint8_t* p = &rgba[static_cast<std::size_t>(4 * (y * width + x))];
            const TColor got = drawn.Canvas().Pixel(x, y);
            const std::uint8_t channels[3] = {GetRValue(got), GetGValue(got), GetBValue(got)};
            for (int c = 0; c < 3; ++c) {
                const int expected = (p[c] * p[3] + 255 * (255 - p[3]) + 127) / 255;
                largest = std::max(largest, std::abs(expected - channels[c]));
            }
        }
    return largest;
}

}  // namespace

TEST(IconCorpusTest, ReadsAsTheReferencesShowOrFailsCleanly)
{
    const CorpusCase cases[] = {
        {"iconized/order/icon.ico", "iconized/order/icon-2.png", 2, 2},
        {"iconized/order/icon_reorder.ico", "iconized/order/icon-1.png", 2, 2},
        {"iconized/order/icon_gap.ico", "iconized/order/icon-2.png", 2, 2},
        {"iconized/png/2png.ico", "iconized/png/2png1.png", 41, 61},
        {"image-rs/images/bmp-24bpp-mask.ico", "image-rs/ref/bmp-24bpp-mask.ico.png", 32, 32},
        {"image-rs/images/bmp-32bpp-alpha.ico", "image-rs/ref/bmp-32bpp-alpha.ico.png", 32, 32},
        {"image-rs/images/lenient-bpp.ico", "image-rs/ref/lenient-bpp.ico.png", 256, 256},
        {"image-rs/images/multiple_entries_with_different_bit_depth.ico",
         "image-rs/ref/multiple_entries_with_different_bit_depth.ico.png", 48, 48},
        {"image-rs/images/png-32bpp-alpha.ico", "image-rs/ref/png-32bpp-alpha.ico.png", 32, 32},
        {"image-rs/images/png_l8.ico", "image-rs/ref/png_l8.ico.png", 32, 32},
        {"image-rs/images/png_rgb8.ico", "image-rs/ref/png_rgb8.ico.png", 32, 32},
        {"image-rs/images/smile.ico", "image-rs/ref/smile.ico.png", 32, 32},
        {"image-rs/images/two-entry-order-test.ico", "image-rs/ref/two-entry-order-test.ico.png", 48, 48},
        {"image-rs/images/bmp-32bpp-conflicting-and-mask.ico", nullptr, 16, 16},
        {"image-rs/images/bmp_v5_with_icc.ico", nullptr, 127, 64},
        {"image-rs/images/truncated_mask_32bpp.ico", nullptr, 64, 64},
        {"image-rs/unmerged/bmp-32bpp-conflicting-and-mask-reported-as-8bpp.ico", nullptr, 16, 16},
        {"image-rs/unmerged/bmp_0rgb_with_and_mask.ico", nullptr, 16, 16},
        {"image-rs/bad/Bad_smile-incorrect-image-length.ico", "", 0, 0},
        {"image-rs/regression/crash-981fee302fe0fc543ee48292cc3d6ace7e97e633.ico", "", 0, 0},
        {"image-rs/regression/oom-0d0085eb7f66ea55d9119206235cd29e089b9140.ico", "", 0, 0},
        {"image-rs/regression/oom-ff076e7064c13ec1f8e2c5bbbfb7a77a08db2361.ico", "", 0, 0},
        {"image-rs/unmerged/bmp-32bpp-biWidth=biHeight=0.ico", "", 0, 0},
        {"image-rs/unmerged/bmp-biHeight=1.ico", "", 0, 0},
    };
    for (const CorpusCase& c : cases) {
        SCOPED_TRACE(c.file);
        TIcon icon;
        if (c.reference != nullptr && *c.reference == '\0') {
            try {
                icon.LoadFromFile(Corpus(c.file));
                ADD_FAILURE() << "read without an error";
            } catch (const EInvalidGraphic& e) {
                EXPECT_EQ(e.Message, "アイコンイメージが不正です");
            }
            EXPECT_TRUE(icon.Empty());
            continue;
        }
        ASSERT_NO_THROW(icon.LoadFromFile(Corpus(c.file)));
        EXPECT_EQ(icon.Width(), c.width);
        EXPECT_EQ(icon.Height(), c.height);
        if (c.reference != nullptr) {
            EXPECT_LE(LargestDifference(icon, Corpus(c.reference)), 1);
        }
    }
}
