#include "platform/win/Registry.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

namespace {

constexpr const char* InvalidRegType = "Invalid data type for '%s'";
constexpr const char* RegGetDataFailed = "Failed to get data for '%s'";

std::string ConfigFolder()
{
    // Relative XDG paths are to be ignored.
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    return std::string(home != nullptr ? home : "") + "/.config";
}

// The hive file's bytes; empty when it is missing or unreadable, is no regular file (opening a pipe
// would stall the start, a device may never end) or is larger than MaxHiveFileBytes.
std::string ReadWholeFile(const std::string& fileName)
{
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(fileName, error);  // fails for all but regular files
    if (error || size > static_cast<std::uintmax_t>(MaxHiveFileBytes))
        return {};
    std::ifstream file(fileName, std::ios::binary);
    if (!file)
        return {};
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return file.bad() ? std::string{} : bytes.str();
}

std::string StripSeparators(std::string key)
{
    while (!key.empty() && key.front() == '\\')
        key.erase(key.begin());
    while (!key.empty() && key.back() == '\\')
        key.pop_back();
    return key;
}

}  // namespace

TRegistry::TRegistry(std::uint32_t access) : Access(access) {}

TRegistry::~TRegistry() = default;

std::string TRegistry::RootKeyName(HKEY rootKey)
{
    switch (rootKey) {
    case HKEY_CLASSES_ROOT:
        return "HKEY_CLASSES_ROOT";
    case HKEY_CURRENT_USER:
        return "HKEY_CURRENT_USER";
    case HKEY_LOCAL_MACHINE:
        return "HKEY_LOCAL_MACHINE";
    case HKEY_USERS:
        return "HKEY_USERS";
    case HKEY_CURRENT_CONFIG:
        return "HKEY_CURRENT_CONFIG";
    default:
        return {};
    }
}

std::string TRegistry::HiveFileName(HKEY rootKey)
{
    return ConfigFolder() + "/quorvel/registry/" + RootKeyName(rootKey) + ".reg";
}

void TRegistry::SetRootKey(HKEY rootKey)
{
    CloseKey();
    rootKey_ = rootKey;
}

const TRegistryHive& TRegistry::Hive()
{
    if (!hive_) {
        const std::string root = RootKeyName(rootKey_);
        const std::string text = root.empty() ? std::string{} : RegistryFileText(ReadWholeFile(HiveFileName(rootKey_)));
        hive_ = std::make_unique<TRegistryHive>(root, text);
    }
    return *hive_;
}

std::string TRegistry::Resolve(const std::string& key) const
{
    if (!key.empty() && key.front() == '\\')
        return StripSeparators(key);
    const std::string relative = StripSeparators(key);
    if (currentPath_.empty() || relative.empty())
        return currentPath_.empty() ? relative : currentPath_;
    return currentPath_ + "\\" + relative;
}

bool TRegistry::OpenKey(const std::string& key, bool /*canCreate*/)
{
    const std::string path = Resolve(key);
    hive_.reset();  // read the file afresh
    if (RootKeyName(rootKey_).empty() || !Hive().KeyExists(path))
        return false;
    currentPath_ = path;
    return true;
}

bool TRegistry::OpenKeyReadOnly(const std::string& key)
{
    Access = KEY_READ;
    return OpenKey(key, false);
}

void TRegistry::CloseKey()
{
    currentPath_.clear();
    hive_.reset();
}

bool TRegistry::KeyExists(const std::string& key)
{
    return !RootKeyName(rootKey_).empty() && Hive().KeyExists(Resolve(key));
}

const TRegValue* TRegistry::FindValue(const std::string& name)
{
    return Hive().FindValue(currentPath_, name);
}

bool TRegistry::ValueExists(const std::string& name)
{
    return FindValue(name) != nullptr;
}

TRegDataType TRegistry::GetDataType(const std::string& name)
{
    const TRegValue* value = FindValue(name);
    return value == nullptr ? TRegDataType::rdUnknown : value->Type;
}

std::string TRegistry::ReadString(const std::string& name)
{
    const TRegValue* value = FindValue(name);
    if (value == nullptr)
        return {};
    if (value->Type != TRegDataType::rdString && value->Type != TRegDataType::rdExpandString)
        throw ERegistryException(Format(InvalidRegType, {name}));
    return value->Text;
}

std::int32_t TRegistry::ReadInteger(const std::string& name)
{
    const TRegValue* value = FindValue(name);
    if (value == nullptr)
        throw ERegistryException(Format(RegGetDataFailed, {name}));
    if (value->Type != TRegDataType::rdInteger)
        throw ERegistryException(Format(InvalidRegType, {name}));
    return static_cast<std::int32_t>(value->Number);
}
