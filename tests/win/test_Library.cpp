#include <dlfcn.h>

#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "platform/core/SysUtils.h"
#include "platform/win/Folders.h"
#include "platform/win/Library.h"
#include "platform/win/LocalMemory.h"
#include "plugins/sdk/susie.h"
#include "tests/fixtures/PluginFixtures.h"

namespace {

// True while the loader still holds the library (without loading it).
bool IsLoaded(const std::string& path)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    dlclose(handle);
    return true;
}

TEST(Library, LoadsLooksUpAndReleasesAPlugIn)
{
    fixtures::TempFolder folder;
    const std::string path = folder.AddPlugin("qtst");
    HMODULE module = LoadLibrary(path);
    ASSERT_NE(module, nullptr);
    EXPECT_EQ(GetModuleFileName(module), path);
    EXPECT_NE(GetProcAddress(module, "GetPluginInfo"), nullptr);
    EXPECT_EQ(GetProcAddress(module, "GetPreview"), nullptr);
    EXPECT_EQ(GetProcAddress(module, "LocalAlloc"), nullptr);  // the host's, not the library's
    EXPECT_TRUE(FreeLibrary(module));
    EXPECT_FALSE(IsLoaded(path));
}

TEST(Library, LoadsAreCountedAndMatchedByReleases)
{
    fixtures::TempFolder folder;
    const std::string path = folder.AddPlugin("qtst");
    HMODULE first = LoadLibrary(path);
    HMODULE second = LoadLibrary(path);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first, second);
    EXPECT_TRUE(FreeLibrary(first));
    EXPECT_TRUE(IsLoaded(path));
    EXPECT_TRUE(FreeLibrary(second));
    EXPECT_FALSE(IsLoaded(path));
}

TEST(Library, RelativeNamesAreTakenFromTheCurrentFolderAndReportedAbsolute)
{
    fixtures::TempFolder folder;
    folder.AddPlugin("qtst", "sub/rel.spi");
    fixtures::ScopedCurrentFolder inside(folder / "sub");
    for (const char* name : {"rel.spi", "./rel.spi", "../sub/rel.spi"}) {
        HMODULE module = LoadLibrary(name);
        ASSERT_NE(module, nullptr) << name;
        EXPECT_EQ(GetModuleFileName(module), folder / "sub/rel.spi") << name;
        FreeLibrary(module);
    }
}

TEST(Library, WhatCannotBeLoadedGivesNull)
{
    fixtures::TempFolder folder;
    const std::string text = folder.Write("text.spi", "not a library");
    for (const std::string& name :
         {std::string{}, text, folder / "missing.spi", folder.Path(), fixtures::PluginPath("not_a_library")})
        EXPECT_EQ(LoadLibrary(name), nullptr) << name;
    EXPECT_FALSE(FreeLibrary(nullptr));
    EXPECT_EQ(GetProcAddress(nullptr, "LocalAlloc"), nullptr);  // never a search of the whole process
}

TEST(Library, NullNamesTheRunningExecutable)
{
    const std::string executable = GetModuleFileName(nullptr);
    EXPECT_EQ(ExtractFileName(executable), "test_win");
    EXPECT_EQ(ApplicationFolder(), ExtractFilePath(executable));
}

TEST(Library, PlugInsAllocateFromTheHostsLocalMemory)
{
    fixtures::TempFolder folder;
    HMODULE module = LoadLibrary(folder.AddPlugin("qtst"));
    ASSERT_NE(module, nullptr);
    auto getPicture = reinterpret_cast<decltype(&GetPicture)>(GetProcAddress(module, "GetPicture"));
    const std::string image = fixtures::QtstImage(1, 1, {0x102030});
    HLOCAL info = nullptr, bits = nullptr;
    const std::size_t before = LocalLiveBlockCount();
    ASSERT_EQ(getPicture(image.data(), static_cast<intptr_t>(image.size()), SUSIE_SOURCE_MEMORY, &info, &bits,
                         nullptr, 0),
              SUSIE_OK);
    EXPECT_EQ(LocalLiveBlockCount(), before + 2);
    EXPECT_EQ(LocalSize(info), sizeof(BITMAPINFOHEADER));
    EXPECT_EQ(LocalSize(bits), 4u);
    const auto* pixel = static_cast<const unsigned char*>(LocalLock(bits));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(pixel), 3), "\x30\x20\x10");  // blue, green, red
    LocalUnlock(bits);
    LocalFree(info);
    LocalFree(bits);
    EXPECT_EQ(LocalLiveBlockCount(), before);
    FreeLibrary(module);
}

}  // namespace
