#include "platform/win/Library.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <vector>

#include "platform/win/Folders.h"

HMODULE LoadLibrary(const std::string& fileName)
{
    if (fileName.empty())
        return nullptr;
    HMODULE module = dlopen(ExpandFileName(fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    if (module == nullptr)
        dlerror();  // the reason is not reported; clear it so it doesn't linger
    return module;
}

void* GetProcAddress(HMODULE module, const std::string& procName)
{
    // A null handle would make dlsym search the whole process.
    if (module == nullptr)
        return nullptr;
    void* address = dlsym(module, procName.c_str());
    if (address == nullptr)
        dlerror();
    return address;
}

bool FreeLibrary(HMODULE module)
{
    if (module == nullptr)
        return false;
    return dlclose(module) == 0;
}

namespace {

std::string ExecutableFileName()
{
    std::vector<char> buffer(4096);
    for (;;) {
        const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0)
            return {};
        if (static_cast<std::size_t>(length) < buffer.size())
            return std::string(buffer.data(), static_cast<std::size_t>(length));
        if (buffer.size() > (1u << 20))
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace

std::string GetModuleFileName(HMODULE module)
{
    if (module == nullptr)
        return ExecutableFileName();
    link_map* map = nullptr;
    if (dlinfo(module, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) {
        dlerror();
        return {};
    }
    // LoadLibrary hands the loader absolute names, so the name it keeps is the absolute path.
    return map->l_name;
}
