#pragma once
// What the plug-in host tests share: whether a library is still loaded, the fixture plug-ins' call
// records, and graphic classes to register extensions under.
#include <dlfcn.h>

#include <cstdint>
#include <string>
#include <vector>

#include "SPIs/SPI.h"
#include "platform/graphics/Graphic.h"

namespace spitest {

// True while the loader still holds the library (asked without loading it).
inline bool IsLoaded(const std::string& path)
{
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle == nullptr)
        return false;
    dlclose(handle);
    return true;
}

// The information numbers the fixture plug-in behind spi has been asked for, in order.
inline std::vector<std::int32_t> InfoLog(const TSPI& spi)
{
    using LogFunction = std::int32_t (*)(std::int32_t*, std::int32_t);
    auto log = reinterpret_cast<LogFunction>(spi.ProcAddress("FixtureInfoLog"));
    std::vector<std::int32_t> numbers(256);
    numbers.resize(static_cast<std::size_t>(log(numbers.data(), static_cast<std::int32_t>(numbers.size()))));
    return numbers;
}

inline std::int32_t CallCount(const TSPI& spi, const char* entry)
{
    using CountFunction = std::int32_t (*)(const char*);
    return reinterpret_cast<CountFunction>(spi.ProcAddress("FixtureCallCount"))(entry);
}

// Graphic classes that are only ever registered, never created.
inline const TGraphicClassInfo TestGraphic{{"TTestGraphic", &TGraphic::StaticClassInfo()}, nullptr};
inline const TGraphicClassInfo OtherGraphic{{"TOtherGraphic", &TGraphic::StaticClassInfo()}, nullptr};

}  // namespace spitest
