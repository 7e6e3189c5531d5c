#pragma once
// The main window with a scratch folder for the files its commands read and write, and a few
// ready-made pictures: BMP files written by the bitmap writer, an icon and a metafile from the
// shared corpus or built here.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "tests/support/MainWindowFixture.h"

class AppTest : public MainWindowFixture {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/quorvel-app-XXXXXX";
        ASSERT_NE(::mkdtemp(pattern), nullptr);
        dir_ = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    std::string PathOf(const std::string& name) const { return (dir_ / name).string(); }

    std::string WriteBytes(const std::string& name, const std::vector<std::uint8_t>& bytes) const
    {
        const std::string path = PathOf(name);
        std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                    static_cast<std::streamsize>(bytes.size()));
        return path;
    }

    // A BMP file of a solid 24-bit bitmap, whatever the name's extension.
    std::string WriteSolidBmp(const std::string& name, int width, int height, TColor color) const
    {
        const std::string path = PathOf(name);
        SolidBitmap(width, height, color)->SaveToFile(path);
        return path;
    }

    static std::vector<std::uint8_t> ReadBytes(const std::string& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    static std::string CorpusIcon() { return std::string(QUORVEL_TESTDATA_DIR) + "/ico/image-rs/images/smile.ico"; }

    // Marks every slot a loader may clear with a red pixel at (1, 1), so a test sees which survive.
    void MarkSlots()
    {
        for (TImage* image : {form->Image2, form->Image3, form->Image4, form->Image5, form->Image6, form->Image7,
                              form->Image10})
            image->Canvas()->SetPixel(1, 1, clRed);
    }
    bool Marked(TImage* image) { return PixelOf(image, 1, 1) == clRed; }

    std::filesystem::path dir_;
};
