// The bmpsuite corpus: every good file reads as its reference PNG shows, every bad one fails
// cleanly unless its fault lies in a field the reader doesn't use, and every questionable one does
// what docs/bmp-conformance.md records for it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/core/Exceptions.h"
#include "platform/graphics/BmpCodec.h"
#include "tests/bmp/BmpTestSupport.h"

namespace {

using namespace bmptest;

enum class Outcome {
    Matches,         // reads and equals one of its references pixel for pixel
    MatchesStored,   // reads; the reference applies a colour profile that the reader doesn't (R and G swapped)
    Near,            // reads; no channel is more than one level from the reference
    Fails,           // raises EInvalidGraphic "ビットマップイメージが不正です" or EReadError
};

// What the reader does with each questionable file, and the bad files it reads (their fault lies in
// a field the reader doesn't use). Everything in g/ matches; everything else in b/ fails.
const std::map<std::string, Outcome> Expected = {
    {"q/pal1huffmsb.bmp", Outcome::Fails},       {"q/pal1p1.bmp", Outcome::Matches},
    {"q/pal2.bmp", Outcome::Matches},            {"q/pal2color.bmp", Outcome::Matches},
    {"q/pal4rlecut.bmp", Outcome::Matches},      {"q/pal4rletrns.bmp", Outcome::Matches},
    {"q/pal8offs.bmp", Outcome::Matches},        {"q/pal8os2-hs.bmp", Outcome::Matches},
    {"q/pal8os2-sz.bmp", Outcome::Matches},      {"q/pal8os2sp.bmp", Outcome::Matches},
    {"q/pal8os2v2-16.bmp", Outcome::Matches},    {"q/pal8os2v2-40sz.bmp", Outcome::Matches},
    {"q/pal8os2v2-sz.bmp", Outcome::Matches},    {"q/pal8os2v2.bmp", Outcome::Matches},
    {"q/pal8oversizepal.bmp", Outcome::Matches}, {"q/pal8rlecut.bmp", Outcome::Matches},
    {"q/pal8rletrns.bmp", Outcome::Matches},     {"q/rgb16-231.bmp", Outcome::Matches},
    {"q/rgb16-3103.bmp", Outcome::Matches},      {"q/rgb16faketrns.bmp", Outcome::Matches},
    {"q/rgb24jpeg.bmp", Outcome::Fails},         {"q/rgb24largepal.bmp", Outcome::Matches},
    {"q/rgb24lprof.bmp", Outcome::Matches},      {"q/rgb24png.bmp", Outcome::Fails},
    {"q/rgb24prof.bmp", Outcome::Matches},       {"q/rgb24prof2.bmp", Outcome::MatchesStored},
    {"q/rgb24rle24.bmp", Outcome::Fails},        {"q/rgb32-111110.bmp", Outcome::Near},
    {"q/rgb32-7187.bmp", Outcome::Matches},      {"q/rgb32-xbgr.bmp", Outcome::Matches},
    {"q/rgb32fakealpha.bmp", Outcome::Matches},  {"q/rgb32h52.bmp", Outcome::Matches},
    {"q/rgba16-1924.bmp", Outcome::Matches},     {"q/rgba16-4444.bmp", Outcome::Matches},
    {"q/rgba16-5551.bmp", Outcome::Matches},     {"q/rgba32-1.bmp", Outcome::Matches},
    {"q/rgba32-1010102.bmp", Outcome::Matches},  {"q/rgba32-2.bmp", Outcome::Matches},
    {"q/rgba32-61754.bmp", Outcome::Matches},    {"q/rgba32-81284.bmp", Outcome::Matches},
    {"q/rgba32abf.bmp", Outcome::Matches},       {"q/rgba32h56.bmp", Outcome::Matches},
    {"q/rgba64.bmp", Outcome::Fails},           {"x/ba-bm.bmp", Outcome::Fails},  // an OS/2 bitmap array
    {"b/baddens1.bmp", Outcome::Matches},        {"b/baddens2.bmp", Outcome::Matches},
    {"b/badbitssize.bmp", Outcome::Matches},     {"b/badfilesize.bmp", Outcome::Matches},
};

// The references of each file, from ref-map.tsv; the bad files that read are copies of pal1.
std::map<std::string, std::vector<std::string>> LoadReferences()
{
    std::map<std::string, std::vector<std::string>> refs;
    std::ifstream tsv(SuiteDir() + "/ref-map.tsv");
    std::string line;
    while (std::getline(tsv, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string file, version, alternatives;
        std::getline(fields, file, '\t');
        std::getline(fields, version, '\t');
        std::getline(fields, alternatives, '\t');
        std::istringstream list(alternatives);
        for (std::string ref; std::getline(list, ref, '|');)
            if (ref != "none")
                refs[file].push_back(ref);
        // Pixels that RLE codes skip take index 0: of the renderings offered, only the "-0" one fits.
        auto& listed = refs[file];
        const auto indexZero = std::find_if(listed.begin(), listed.end(),
                                            [](const std::string& ref) { return ref.ends_with("-0.png"); });
        if (indexZero != listed.end())
            listed = {std::string(*indexZero)};
    }
    for (const char* file : {"b/baddens1.bmp", "b/baddens2.bmp", "b/badbitssize.bmp", "b/badfilesize.bmp"})
        refs[file] = {"ref/pal1.png"};
    return refs;
}

// Pixels that differ from the reference by more than tolerance levels in a channel. Where the
// reference is fully transparent it keeps no colour (its encoder stored black), so those pixels
// are not compared: the store has no alpha and shows the colour the file holds there.
std::size_t Mismatches(const TDib& dib, const RgbaImage& ref, Outcome outcome)
{
    const bool swapRedGreen = outcome == Outcome::MatchesStored;
    const int tolerance = outcome == Outcome::Near ? 1 : 0;
    auto differs = [&](std::uint8_t got, std::uint16_t want) { return std::abs(got - To8(want)) > tolerance; };
    if (ref.Width != static_cast<std::uint32_t>(dib.Width) || ref.Height != static_cast<std::uint32_t>(dib.Height))
        return SIZE_MAX;
    std::size_t count = 0;
    for (std::uint32_t y = 0; y < ref.Height; ++y)
        for (std::uint32_t x = 0; x < ref.Width; ++x) {
            const auto want = ref.At(x, y);
            if (want[3] == 0)
                continue;
            auto got = DibRgb(dib, static_cast<std::int32_t>(x), static_cast<std::int32_t>(y));
            if (got && swapRedGreen)
                std::swap((*got)[0], (*got)[1]);
            if (!got || differs((*got)[0], want[0]) || differs((*got)[1], want[1]) || differs((*got)[2], want[2]))
                ++count;
        }
    return count;
}

std::vector<std::string> SuiteFiles()
{
    std::vector<std::string> files;
    for (const char* folder : {"g", "q", "b", "x"})
        for (const auto& entry : std::filesystem::directory_iterator(SuiteDir() + "/" + folder))
            if (entry.path().extension() == ".bmp")
                files.push_back(std::string(folder) + "/" + entry.path().filename().string());
    std::sort(files.begin(), files.end());
    return files;
}

Outcome ExpectedOutcome(const std::string& file)
{
    if (const auto it = Expected.find(file); it != Expected.end())
        return it->second;
    if (file.starts_with("g/"))
        return Outcome::Matches;
    if (file.starts_with("b/"))
        return Outcome::Fails;
    ADD_FAILURE() << file << " has no recorded outcome";
    return Outcome::Fails;
}

class BmpSuite : public testing::TestWithParam<std::string> {};

TEST_P(BmpSuite, ReadsAsRecorded)
{
    const std::string file = GetParam();
    const Bytes bytes = ReadBytes(SuiteDir() + "/" + file);
    const Outcome outcome = ExpectedOutcome(file);

    if (outcome == Outcome::Fails) {
        try {
            ReadBmpFile(bytes.data(), bytes.size());
            ADD_FAILURE() << file << " was read";
        } catch (const EInvalidGraphic& e) {
            EXPECT_STREQ(e.what(), Messages::InvalidBitmap);
        } catch (const EReadError& e) {
            EXPECT_STREQ(e.what(), Messages::ReadError);
        }
        return;
    }

    const TDib dib = ReadBmpFile(bytes.data(), bytes.size());
    static const auto references = LoadReferences();
    const auto refs = references.find(file);
    ASSERT_NE(refs, references.end()) << file;
    std::string report;
    for (const std::string& ref : refs->second) {
        const std::size_t bad = Mismatches(dib, DecodePng(SuiteDir() + "/" + ref), outcome);
        if (bad == 0)
            return;
        report += " " + ref + ": " + (bad == SIZE_MAX ? std::string("size differs") : std::to_string(bad) + " pixels differ");
    }
    ADD_FAILURE() << file << " matches no reference:" << report;
}

// Indexed files keep their colour table and depth; 2-bit ones widen to 4-bit indices.
TEST(BmpSuiteFormats, IndexedFilesStayIndexed)
{
    const struct {
        const char* file;
        TPixelFormat format;
        std::size_t paletteSize;
    } cases[] = {
        {"g/pal1.bmp", TPixelFormat::pf1bit, 2},        {"q/pal1p1.bmp", TPixelFormat::pf1bit, 1},
        {"q/pal2.bmp", TPixelFormat::pf4bit, 4},        {"g/pal4.bmp", TPixelFormat::pf4bit, 12},
        {"g/pal4rle.bmp", TPixelFormat::pf4bit, 12},    {"g/pal8.bmp", TPixelFormat::pf8bit, 252},
        {"g/pal8-0.bmp", TPixelFormat::pf8bit, 256},    {"g/pal8os2.bmp", TPixelFormat::pf8bit, 256},
        {"q/pal8os2sp.bmp", TPixelFormat::pf8bit, 252}, {"q/pal8oversizepal.bmp", TPixelFormat::pf8bit, 256},
        {"g/rgb16.bmp", TPixelFormat::pf24bit, 0},      {"g/rgb24pal.bmp", TPixelFormat::pf24bit, 0},
        {"g/rgb32bf.bmp", TPixelFormat::pf32bit, 0},
    };
    for (const auto& c : cases) {
        const Bytes bytes = ReadBytes(SuiteDir() + "/" + c.file);
        const TDib dib = ReadBmpFile(bytes.data(), bytes.size());
        EXPECT_EQ(dib.PixelFormat, c.format) << c.file;
        EXPECT_EQ(dib.Palette.size(), c.paletteSize) << c.file;
    }
}

std::string TestName(const testing::TestParamInfo<std::string>& info)
{
    std::string name = info.param;
    for (char& c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)))
            c = '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Files, BmpSuite, testing::ValuesIn(SuiteFiles()), TestName);

}  // namespace
