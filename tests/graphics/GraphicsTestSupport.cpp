#include "GraphicsTestSupport.h"

#include <fstream>
#include <random>

TempFolder::TempFolder()
{
    std::random_device random;
    path_ = std::filesystem::temp_directory_path() / ("quorvel-graphics-" + std::to_string(random()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder()
{
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TempFolder::Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const
{
    const std::filesystem::path file = path_ / name;
    std::ofstream out(file, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file.string();
}
