#include "platform/win/Folders.h"

#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/core/SysUtils.h"
#include "platform/win/Library.h"

std::string GetSystemDirectory()
{
    return SystemPluginFolder;
}

std::string GetWindowsDirectory()
{
    return SharedPluginFolder;
}

std::string GetCurrentDir()
{
    std::vector<char> buffer(4096);
    for (;;) {
        if (getcwd(buffer.data(), buffer.size()) != nullptr)
            return buffer.data();
        if (errno != ERANGE || buffer.size() > (1u << 20))
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::string ExpandFileName(const std::string& fileName)
{
    if (fileName.empty())
        return {};
    const std::string whole = fileName.front() == '/' ? fileName : GetCurrentDir() + "/" + fileName;
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= whole.size()) {
        std::size_t end = whole.find('/', start);
        if (end == std::string::npos)
            end = whole.size();
        const std::string part = whole.substr(start, end - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = end + 1;
    }
    std::string result;
    for (const std::string& part : parts)
        result += "/" + part;
    if (result.empty())
        return "/";
    // A name that ends in "/" names a folder; keep that mark.
    if (whole.back() == '/')
        result += "/";
    return result;
}

std::string ApplicationFolder()
{
    const std::string executable = GetModuleFileName(nullptr);
    return executable.empty() ? std::string{} : ExtractFilePath(executable);
}
