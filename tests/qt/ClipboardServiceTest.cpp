// The desktop clipboard in the original formats: our bitmaps go there as images (and come back with
// their depth), images of other programs come back as 24-bit bitmaps, metafiles travel under their
// MIME types, and what can't be taken is refused before the clipboard changes.
#include <gtest/gtest.h>

#include <memory>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <QPainter>

#include "platform/core/Exceptions.h"
#include "platform/graphics/Bitmap.h"
#include "platform/qt/ClipboardImage.h"
#include "platform/qt/QtClipboardService.h"

namespace {

std::vector<std::uint8_t> PackedDibOf(TBitmap& bitmap)
{
    std::uint16_t format = 0;
    std::vector<std::uint8_t> data;
    HPALETTE palette = 0;
    bitmap.SaveToClipboardFormat(format, data, palette);
    DeleteObject(palette);
    return data;
}

std::unique_ptr<TBitmap> BitmapOf(const std::vector<std::uint8_t>& packed)
{
    auto bitmap = std::make_unique<TBitmap>();
    bitmap->LoadFromClipboardFormat(CF_BITMAP, packed, 0);
    return bitmap;
}

class ClipboardServiceTest : public ::testing::Test {
protected:
    ClipboardServiceTest() { QGuiApplication::clipboard()->clear(); }
    TQtClipboardService clipboard;
};

TEST_F(ClipboardServiceTest, OurBitmapBecomesADesktopImageAndComesBackWhole)
{
    TBitmap bitmap;
    bitmap.SetSize(4, 3);
    bitmap.SetPixelFormat(TPixelFormat::pf8bit);
    bitmap.Canvas().SetPixel(1, 2, clRed);
    clipboard.SetContent({{CF_BITMAP, PackedDibOf(bitmap)}});

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_TRUE(data->hasImage());
    const QImage image = qvariant_cast<QImage>(data->imageData());
    EXPECT_EQ(image.size(), QSize(4, 3));
    EXPECT_EQ(image.pixel(1, 2), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 255, 255));

    EXPECT_TRUE(clipboard.HasFormat(CF_BITMAP));
    const auto back = clipboard.GetData(CF_BITMAP);
    ASSERT_TRUE(back.has_value());
    const auto pasted = BitmapOf(*back);
    EXPECT_EQ(pasted->PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_EQ(pasted->PixelAt(1, 2), clRed);
}

TEST_F(ClipboardServiceTest, ADesktopImageComesBackAsA24BitBitmapOverWhite)
{
    QImage image(3, 2, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixel(0, 0, qRgba(0, 0, 255, 255));
    image.setPixel(2, 1, qRgba(0, 128, 0, 255));
    QGuiApplication::clipboard()->setImage(image);

    ASSERT_TRUE(clipboard.HasFormat(CF_BITMAP));
    const auto packed = clipboard.GetData(CF_BITMAP);
    ASSERT_TRUE(packed.has_value());
    ASSERT_GE(packed->size(), 40u);
    EXPECT_EQ((*packed)[14], 24);  // bits per pixel
    const auto bitmap = BitmapOf(*packed);
    EXPECT_EQ(bitmap->Width(), 3);
    EXPECT_EQ(bitmap->Height(), 2);
    EXPECT_EQ(bitmap->PixelAt(0, 0), clBlue);
    EXPECT_EQ(bitmap->PixelAt(2, 1), RGB(0, 128, 0));
    EXPECT_EQ(bitmap->PixelAt(1, 0), clWhite);  // transparent over white
}

TEST_F(ClipboardServiceTest, TextIsNoBitmapAndMetafilesTravelUnderTheirTypes)
{
    QGuiApplication::clipboard()->setText("only text");
    EXPECT_FALSE(clipboard.HasFormat(CF_BITMAP));
    EXPECT_FALSE(clipboard.GetData(CF_BITMAP).has_value());

    const std::vector<std::uint8_t> emf{1, 0, 0, 0, 0x6C, 0, 0, 0};
    clipboard.SetContent({{CF_ENHMETAFILE, emf}});
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat("image/emf"));
    EXPECT_TRUE(clipboard.HasFormat(CF_ENHMETAFILE));
    EXPECT_FALSE(clipboard.HasFormat(CF_BITMAP));
    EXPECT_EQ(clipboard.GetData(CF_ENHMETAFILE), emf);

    clipboard.SetContent({});
    EXPECT_FALSE(clipboard.HasFormat(CF_ENHMETAFILE));
}

TEST_F(ClipboardServiceTest, MalformedBitmapDataLeavesTheClipboardAsItWas)
{
    QGuiApplication::clipboard()->setText("kept");
    EXPECT_THROW(clipboard.SetContent({{CF_BITMAP, {40, 0, 0}}}), EInvalidGraphic);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QString("kept"));
}

TEST(ClipboardImageTest, TheDibHeaderAndRowsFollowTheBitmapLayout)
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(1, 2, 3));     // top row
    image.setPixel(1, 0, qRgb(4, 5, 6));
    image.setPixel(0, 1, qRgb(7, 8, 9));     // bottom row: stored first
    image.setPixel(1, 1, qRgb(10, 11, 12));
    const auto dib = QImageToPackedDib(image);
    ASSERT_TRUE(dib.has_value());
    ASSERT_EQ(dib->size(), 40u + 2 * 8);  // rows padded to 8 bytes
    EXPECT_EQ((*dib)[0], 40);
    EXPECT_EQ((*dib)[4], 2);
    EXPECT_EQ((*dib)[8], 2);
    EXPECT_EQ((*dib)[12], 1);
    EXPECT_EQ((*dib)[20], 16);
    const std::vector<std::uint8_t> bottom(dib->begin() + 40, dib->begin() + 46);
    EXPECT_EQ(bottom, (std::vector<std::uint8_t>{9, 8, 7, 12, 11, 10}));
    const std::vector<std::uint8_t> top(dib->begin() + 48, dib->begin() + 54);
    EXPECT_EQ(top, (std::vector<std::uint8_t>{3, 2, 1, 6, 5, 4}));
}

TEST(ClipboardImageTest, ImagesBeyondThePictureLimitsAreRefused)
{
    EXPECT_FALSE(QImageToPackedDib(QImage()).has_value());
    EXPECT_FALSE(QImageToPackedDib(QImage(MaxPictureDimension + 1, 1, QImage::Format_RGB32)).has_value());
    EXPECT_TRUE(QImageToPackedDib(QImage(MaxPictureDimension, 1, QImage::Format_RGB32)).has_value());
}

}  // namespace
