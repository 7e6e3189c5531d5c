#include <gtest/gtest.h>

#include "GraphicsTestSupport.h"
#include "platform/core/Exceptions.h"
#include "platform/graphics/Icon.h"
#include "platform/graphics/Metafile.h"
#include "platform/graphics/Picture.h"

namespace {

// A graphic class of the tests' own, so that registering and withdrawing it leaves the built-in
// entries alone. Loading reports progress and then takes the stream's first byte as its width.
class TFakeGraphic : public TGraphic {
    QUORVEL_GRAPHIC_CLASS(TFakeGraphic)
public:
    bool Empty() const override { return width_ == 0; }
    std::int32_t Width() const override { return width_; }
    std::int32_t Height() const override { return 1; }
    void SetWidth(std::int32_t value) override { width_ = value; }
    void SetHeight(std::int32_t) override {}
    void Draw(TCanvas&, const TRect&) override {}
    void LoadFromStream(TStream& stream) override
    {
        Progress(this, TProgressStage::psRunning, 50, false, Rect(0, 0, 0, 0), "half");
        std::uint8_t first = 0;
        stream.ReadBuffer(&first, 1);
        width_ = first;
        Changed(this);
    }
    void SaveToStream(TStream&) override {}
    void LoadFromClipboardFormat(std::uint16_t, const std::vector<std::uint8_t>&, HPALETTE) override {}
    void SaveToClipboardFormat(std::uint16_t&, std::vector<std::uint8_t>&, HPALETTE&) override {}
    void Assign(const TPersistent* source) override
    {
        if (const auto* fake = dynamic_cast<const TFakeGraphic*>(source))
            width_ = fake->width_;
        else
            TGraphic::Assign(source);
    }

private:
    std::int32_t width_ = 0;
};
QUORVEL_DEFINE_GRAPHIC_CLASS(TFakeGraphic, TGraphic, true)

class TFakeGraphicChild : public TFakeGraphic {
    QUORVEL_GRAPHIC_CLASS(TFakeGraphicChild)
};
QUORVEL_DEFINE_GRAPHIC_CLASS(TFakeGraphicChild, TFakeGraphic, true)

// Withdraws the tests' classes however a test ends, restoring the registry.
class PictureRegistryTest : public testing::Test {
protected:
    void TearDown() override
    {
        TPicture::UnregisterGraphicClass(TFakeGraphic::StaticGraphicClass());
        EXPECT_EQ(TPicture::FileFormats().size(), builtInCount_);
    }
    std::size_t builtInCount_ = TPicture::FileFormats().size();
};

// An icon file of one opaque black 32-bit image; a directory size of 0 stands for 256.
std::vector<std::uint8_t> IconFile(std::uint8_t width, std::uint8_t height)
{
    const std::uint32_t w = width == 0 ? 256 : width, h = height == 0 ? 256 : height;
    const std::uint32_t imageBytes = 40 + w * h * 4 + (w + 31) / 32 * 4 * h;
    std::vector<std::uint8_t> out;
    PutU16(out, 0);
    PutU16(out, 1);
    PutU16(out, 1);
    out.insert(out.end(), {width, height, 0, 0});
    PutU16(out, 1);
    PutU16(out, 32);
    PutU32(out, imageBytes);
    PutU32(out, 22);  // image offset
    PutU32(out, 40);  // info header: size, width, height of colour and mask rows, planes, depth
    PutU32(out, w);
    PutU32(out, 2 * h);
    PutU16(out, 1);
    PutU16(out, 32);
    out.resize(22 + imageBytes, 0);
    return out;
}

TEST(GraphicClassTest, ClassChainAndVirtualConstructor)
{
    EXPECT_EQ(GraphicClassParent(TBitmap::StaticGraphicClass()), TGraphic::StaticGraphicClass());
    EXPECT_EQ(GraphicClassParent(TFakeGraphicChild::StaticGraphicClass()), TFakeGraphic::StaticGraphicClass());
    EXPECT_EQ(GraphicClassParent(TGraphic::StaticGraphicClass()), nullptr);
    EXPECT_EQ(GraphicClassParent(nullptr), nullptr);
    EXPECT_EQ(TGraphic::StaticClassInfo().Parent, &TPersistent::StaticClassInfo());

    std::unique_ptr<TGraphic> made = CreateGraphic(TFakeGraphicChild::StaticGraphicClass());
    EXPECT_EQ(made->GraphicClass(), TFakeGraphicChild::StaticGraphicClass());
    EXPECT_EQ(made->ClassName(), "TFakeGraphicChild");
    EXPECT_TRUE(made->InheritsFrom(TFakeGraphic::StaticClassInfo()));
    EXPECT_THROW(CreateGraphic(TGraphic::StaticGraphicClass()), EInvalidGraphicOperation);
}

TEST_F(PictureRegistryTest, BuiltInFormatsNewestFirst)
{
    const std::vector<TFileFormat> formats = TPicture::FileFormats();
    ASSERT_EQ(formats.size(), 4u);
    EXPECT_EQ(formats[0].Extension, "bmp");
    EXPECT_EQ(formats[0].Description, "ビットマップ");
    EXPECT_EQ(formats[0].GraphicClass, TBitmap::StaticGraphicClass());
    EXPECT_EQ(formats[1].Extension, "ico");
    EXPECT_EQ(formats[1].GraphicClass, TIcon::StaticGraphicClass());
    EXPECT_EQ(formats[2].Extension, "emf");
    EXPECT_EQ(formats[3].Extension, "wmf");
    EXPECT_EQ(formats[3].GraphicClass, TMetafile::StaticGraphicClass());
    for (std::uint16_t format : {CF_BITMAP, CF_DIB, CF_ENHMETAFILE, CF_METAFILEPICT})
        EXPECT_TRUE(TPicture::SupportsClipboardFormat(format)) << format;
    EXPECT_FALSE(TPicture::SupportsClipboardFormat(1));
}

TEST_F(PictureRegistryTest, ExtensionsMatchWithOrWithoutDotAndAnyAsciiCase)
{
    for (const char* extension : {"bmp", ".bmp", "BMP", ".Bmp", "bMp"})
        EXPECT_EQ(TPicture::FileFormatClass(extension), TBitmap::StaticGraphicClass()) << extension;
    EXPECT_EQ(TPicture::FileFormatClass("ICO"), TIcon::StaticGraphicClass());
    EXPECT_EQ(TPicture::FileFormatClass("bmpx"), nullptr);
    EXPECT_EQ(TPicture::FileFormatClass(""), nullptr);
    TPicture::RegisterFileFormat(".Fake", "fake", TFakeGraphic::StaticGraphicClass());
    EXPECT_EQ(TPicture::FileFormats().front().Extension, "Fake");
    EXPECT_EQ(TPicture::FileFormatClass("fAKE"), TFakeGraphic::StaticGraphicClass());
}

TEST_F(PictureRegistryTest, LastRegistrationWinsUntilWithdrawn)
{
    TPicture::RegisterFileFormat("bmp", "fake bitmaps", TFakeGraphic::StaticGraphicClass());
    EXPECT_EQ(TPicture::FileFormatClass("BMP"), TFakeGraphic::StaticGraphicClass());
    TPicture::RegisterFileFormat("bmp", "child bitmaps", TFakeGraphicChild::StaticGraphicClass());
    EXPECT_EQ(TPicture::FileFormatClass("bmp"), TFakeGraphicChild::StaticGraphicClass());
    EXPECT_EQ(TPicture::FileFormats().front().Description, "child bitmaps");

    TPicture::UnregisterGraphicClass(TFakeGraphicChild::StaticGraphicClass());
    EXPECT_EQ(TPicture::FileFormatClass("bmp"), TFakeGraphic::StaticGraphicClass());
    TPicture::UnregisterGraphicClass(TFakeGraphic::StaticGraphicClass());
    EXPECT_EQ(TPicture::FileFormatClass("bmp"), TBitmap::StaticGraphicClass());  // the built-in shows again
}

TEST_F(PictureRegistryTest, UnregisterRemovesEveryEntryOfTheClassAndItsDescendants)
{
    TPicture::RegisterFileFormat("fa", "a", TFakeGraphic::StaticGraphicClass());
    TPicture::RegisterFileFormat("fb", "b", TFakeGraphic::StaticGraphicClass());
    TPicture::RegisterFileFormat("fc", "c", TFakeGraphicChild::StaticGraphicClass());
    TPicture::RegisterFileFormat("fa", "a again", TFakeGraphic::StaticGraphicClass());
    TPicture::RegisterClipboardFormat(0xC123, TFakeGraphic::StaticGraphicClass());
    TPicture::RegisterClipboardFormat(CF_BITMAP, TFakeGraphicChild::StaticGraphicClass());
    EXPECT_EQ(TPicture::FileFormats().size(), builtInCount_ + 4);

    TPicture::UnregisterGraphicClass(TFakeGraphic::StaticGraphicClass());
    for (const char* extension : {"fa", "fb", "fc"})
        EXPECT_EQ(TPicture::FileFormatClass(extension), nullptr) << extension;
    EXPECT_FALSE(TPicture::SupportsClipboardFormat(0xC123));
    EXPECT_TRUE(TPicture::SupportsClipboardFormat(CF_BITMAP));  // the built-in entry stays

    TBitmap bitmap;
    bitmap.SetSize(1, 1);
    std::uint16_t format = 0;
    std::vector<std::uint8_t> data;
    HPALETTE palette = 0;
    bitmap.SaveToClipboardFormat(format, data, palette);
    TPicture picture;
    picture.LoadFromClipboardFormat(CF_BITMAP, data, 0);
    EXPECT_EQ(picture.Graphic()->GraphicClass(), TBitmap::StaticGraphicClass());
}

TEST(PictureTest, LoadFromFileUnknownExtensionNamesIt)
{
    TPicture picture;
    const struct {
        std::string name, shown;
    } cases[] = {{"/tmp/photo.xyz", "xyz"}, {"/tmp/photo.JPG2", "JPG2"}, {"/tmp/noextension", ""},
                 {"/tmp/dir.bmp/file", ""}};
    for (const auto& c : cases) {
        try {
            picture.LoadFromFile(c.name);
            FAIL() << c.name << " loaded";
        } catch (const EInvalidGraphic& e) {
            EXPECT_EQ(e.Message, "拡張子 ." + c.shown + " の画像形式は処理できません");
        }
    }
    EXPECT_EQ(picture.Graphic(), nullptr);
}

TEST(PictureTest, LoadFromFilePicksTheClassByExtensionAndKeepsItOnFailure)
{
    TempFolder folder;
    const std::string bmp = folder.Write("red.BMP", Bmp24({{clRed, clRed}}));
    const std::string icon = folder.Write("small.ico", IconFile(16, 0));
    const std::string broken = folder.Write("broken.bmp", {'B', 'M', 1, 2, 3});

    TPicture picture;
    int changes = 0;
    picture.OnChange = [&](TObject* sender) {
        EXPECT_EQ(sender, &picture);
        ++changes;
    };
    picture.LoadFromFile(bmp);
    EXPECT_EQ(changes, 1);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_EQ(picture.Graphic()->GraphicClass(), TBitmap::StaticGraphicClass());
    EXPECT_EQ(picture.Width(), 2);
    TGraphic* loaded = picture.Graphic();

    EXPECT_THROW(picture.LoadFromFile(broken), EInvalidGraphic);
    EXPECT_THROW(picture.LoadFromFile(folder.Path("absent.bmp")), EFOpenError);
    EXPECT_THROW(picture.LoadFromFile(bmp + ".ico"), EFOpenError);
    EXPECT_EQ(picture.Graphic(), loaded);
    EXPECT_EQ(picture.Width(), 2);
    EXPECT_EQ(changes, 1);

    picture.LoadFromFile(icon);
    EXPECT_EQ(picture.Graphic()->GraphicClass(), TIcon::StaticGraphicClass());
    EXPECT_EQ(picture.Width(), 16);
    EXPECT_EQ(picture.Height(), 256);  // a stored 0 means 256
}

TEST_F(PictureRegistryTest, LoadFromFileRelaysProgressAndChanges)
{
    TPicture::RegisterFileFormat("fake", "fake", TFakeGraphic::StaticGraphicClass());
    TempFolder folder;
    const std::string file = folder.Write("seven.fake", {7});
    TPicture picture;
    std::vector<std::string> events;
    picture.OnProgress = [&](TObject* sender, TProgressStage, std::uint8_t percent, bool, const TRect&,
                             const std::string& message) {
        EXPECT_NE(sender, &picture);  // the graphic reports as itself
        events.push_back("progress " + std::to_string(percent) + " " + message);
    };
    picture.OnChange = [&](TObject*) { events.push_back("change"); };
    picture.LoadFromFile(file);
    // The graphic's own change while loading isn't the picture's yet: one report, once it's in place.
    EXPECT_EQ(events, (std::vector<std::string>{"progress 50 half", "change"}));
    EXPECT_EQ(picture.Width(), 7);
    EXPECT_EQ(picture.Graphic()->GraphicClass(), TFakeGraphic::StaticGraphicClass());
    picture.Graphic()->SetModified(true);  // a change the graphic reports reaches the picture
    EXPECT_EQ(events.back(), "change");
    EXPECT_EQ(events.size(), 3u);
}

TEST(PictureTest, BitmapReplacesAnIconButKeepsABitmap)
{
    TempFolder folder;
    TPicture picture;
    picture.LoadFromFile(folder.Write("i.ico", IconFile(32, 32)));
    ASSERT_EQ(picture.Graphic()->GraphicClass(), TIcon::StaticGraphicClass());
    TBitmap* bitmap = picture.Bitmap();
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(picture.Graphic(), bitmap);
    EXPECT_TRUE(bitmap->Empty());
    bitmap->SetSize(4, 4);
    EXPECT_EQ(picture.Bitmap(), bitmap);
    EXPECT_EQ(picture.Width(), 4);

    TPicture empty;
    EXPECT_NE(empty.Bitmap(), nullptr);
}

TEST(PictureTest, DrawingOnTheBitmapReachesThePicturesOnChange)
{
    TPicture picture;
    picture.Bitmap()->SetSize(5, 5);
    int changes = 0;
    picture.OnChange = [&](TObject*) { ++changes; };
    picture.Bitmap()->Canvas().FillRect(Rect(0, 0, 2, 2));
    picture.Bitmap()->Canvas().LineTo(3, 3);
    EXPECT_EQ(changes, 2);
}

TEST(PictureTest, SetGraphicAndAssignCopy)
{
    TBitmap source;
    source.SetSize(2, 2);
    source.Canvas().SetPixel(1, 1, clRed);
    TPicture picture;
    picture.SetGraphic(&source);
    ASSERT_NE(picture.Graphic(), nullptr);
    EXPECT_NE(picture.Graphic(), &source);
    source.Canvas().SetPixel(1, 1, clBlue);
    EXPECT_EQ(picture.Bitmap()->Canvas().Pixel(1, 1), clRed);

    TPicture other;
    other.Assign(&picture);
    EXPECT_NE(other.Graphic(), picture.Graphic());
    EXPECT_EQ(other.Bitmap()->Canvas().Pixel(1, 1), clRed);
    other.Assign(&source);
    EXPECT_EQ(other.Bitmap()->Canvas().Pixel(1, 1), clBlue);

    TBitmap fromPicture;
    fromPicture.Assign(&picture);  // a picture hands its graphic over to a graphic
    EXPECT_EQ(fromPicture.Canvas().Pixel(1, 1), clRed);

    int changes = 0;
    other.OnChange = [&](TObject*) { ++changes; };
    other.Assign(nullptr);
    EXPECT_EQ(other.Graphic(), nullptr);
    EXPECT_EQ(other.Width(), 0);
    EXPECT_EQ(changes, 1);
}

TEST(PictureTest, ClipboardFormatsPickTheirClasses)
{
    TBitmap bitmap;
    bitmap.SetSize(2, 1);
    std::uint16_t format = 0;
    std::vector<std::uint8_t> data;
    HPALETTE palette = 0;
    bitmap.SaveToClipboardFormat(format, data, palette);

    TPicture picture;
    picture.LoadFromClipboardFormat(CF_BITMAP, data, palette);
    EXPECT_EQ(picture.Graphic()->GraphicClass(), TBitmap::StaticGraphicClass());
    EXPECT_EQ(picture.Width(), 2);
    TGraphic* kept = picture.Graphic();
    EXPECT_THROW(picture.LoadFromClipboardFormat(CF_DIB, {0, 1}, 0), EInvalidGraphic);
    try {
        picture.LoadFromClipboardFormat(1, data, 0);
        FAIL() << "text loaded as a picture";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message, Messages::UnknownClipboardFormat);
    }
    EXPECT_EQ(picture.Graphic(), kept);

    std::uint16_t savedFormat = 0;
    std::vector<std::uint8_t> saved;
    HPALETTE savedPalette = 0;
    picture.SaveToClipboardFormat(savedFormat, saved, savedPalette);
    EXPECT_EQ(savedFormat, CF_BITMAP);
    EXPECT_EQ(saved, data);
}

TEST(IconTest, RefusesTheClipboardAndResizingAndBadFiles)
{
    TIcon icon;
    TMemoryStream file(IconFile(48, 24));
    icon.LoadFromStream(file);
    EXPECT_EQ(icon.Width(), 48);
    EXPECT_EQ(icon.Height(), 24);
    std::uint16_t format = 7;
    std::vector<std::uint8_t> data{1};
    HPALETTE palette = 0;
    try {
        icon.SaveToClipboardFormat(format, data, palette);
        FAIL() << "an icon went to the clipboard";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message, Messages::IconToClipboard);
    }
    EXPECT_EQ(format, 7);
    EXPECT_EQ(data, std::vector<std::uint8_t>{1});
    EXPECT_THROW(icon.SetWidth(10), EInvalidGraphicOperation);

    std::vector<std::uint8_t> pastEnd = IconFile(16, 16);
    pastEnd[18] = 200;  // image offset beyond the file
    for (const std::vector<std::uint8_t>& bad : {std::vector<std::uint8_t>{}, std::vector<std::uint8_t>{0, 0, 1, 0},
                                                 pastEnd, Bmp24({{clRed}})}) {
        TMemoryStream stream(bad);
        EXPECT_THROW(icon.LoadFromStream(stream), EInvalidGraphic);
    }
    EXPECT_EQ(icon.Width(), 48);
}

TEST(MetafileTest, SizesFromTheHeaderAt96PixelsPerInch)
{
    std::vector<std::uint8_t> emf;
    PutU32(emf, 1);   // EMR_HEADER
    PutU32(emf, 88);  // record size
    for (int i = 0; i < 4; ++i)
        PutU32(emf, 0);  // bounds
    PutU32(emf, 0);
    PutU32(emf, 0);
    PutU32(emf, 2540);  // frame: one inch wide
    PutU32(emf, 1270);  // half an inch high
    PutU32(emf, 0x464D4520);
    emf.resize(88, 0);
    TMetafile metafile;
    TMemoryStream stream(emf);
    metafile.LoadFromStream(stream);
    EXPECT_TRUE(metafile.Enhanced());
    EXPECT_EQ(metafile.Width(), 96);
    EXPECT_EQ(metafile.Height(), 48);

    std::uint16_t format = 0;
    std::vector<std::uint8_t> data;
    HPALETTE palette = 0;
    metafile.SaveToClipboardFormat(format, data, palette);
    EXPECT_EQ(format, CF_ENHMETAFILE);
    EXPECT_EQ(data, emf);

    TMemoryStream notMetafile(Bmp24({{clRed}}));
    EXPECT_THROW(metafile.LoadFromStream(notMetafile), EInvalidGraphic);
    EXPECT_EQ(metafile.Width(), 96);
}

}  // namespace
