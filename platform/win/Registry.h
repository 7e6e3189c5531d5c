#pragma once
// The registry stand-in: one text hive per root (see RegistryHive.h for the file format), kept in
//     ${XDG_CONFIG_HOME:-~/.config}/quorvel/registry/<root name>.reg
// for example HKEY_CURRENT_USER.reg. The program only reads the registry, so the stand-in is read
// only: a key that is missing is never created. A hive is read from its file each time a key is
// opened, so edits take effect without a restart; a missing or unreadable file is an empty hive, and
// so is one that is no regular file or is larger than MaxHiveFileBytes.
//
// Values are typed: reading a value as a type it doesn't have raises ERegistryException.
#include <cstdint>
#include <memory>
#include <string>

#include "platform/win/RegistryHive.h"

using HKEY = std::uintptr_t;

inline constexpr HKEY HKEY_CLASSES_ROOT = 0x80000000;
inline constexpr HKEY HKEY_CURRENT_USER = 0x80000001;
inline constexpr HKEY HKEY_LOCAL_MACHINE = 0x80000002;
inline constexpr HKEY HKEY_USERS = 0x80000003;
inline constexpr HKEY HKEY_CURRENT_CONFIG = 0x80000005;

// The largest hive file that is read; a larger one counts as unreadable. Far above any hive the
// program needs, low enough that a stray huge file can't exhaust memory.
inline constexpr std::int64_t MaxHiveFileBytes = std::int64_t{64} << 20;

inline constexpr std::uint32_t KEY_QUERY_VALUE = 0x0001;
inline constexpr std::uint32_t KEY_READ = 0x20019;
inline constexpr std::uint32_t KEY_WRITE = 0x20006;
inline constexpr std::uint32_t KEY_ALL_ACCESS = 0xF003F;

class TRegistry {
public:
    // Root HKEY_CURRENT_USER, no key open.
    explicit TRegistry(std::uint32_t access = KEY_ALL_ACCESS);
    ~TRegistry();
    TRegistry(const TRegistry&) = delete;
    TRegistry& operator=(const TRegistry&) = delete;

    HKEY RootKey() const { return rootKey_; }
    // Closes the open key.
    void SetRootKey(HKEY rootKey);
    std::uint32_t Access = KEY_ALL_ACCESS;

    // Key names use "\" between parts; a name beginning with "\" starts at the root, any other
    // name below the open key. True when the key exists; it becomes the open key. canCreate can't
    // create anything here: a missing key gives false either way.
    bool OpenKey(const std::string& key, bool canCreate);
    bool OpenKeyReadOnly(const std::string& key);
    void CloseKey();
    // The open key's path below the root ("" at the root or when none is open).
    const std::string& CurrentPath() const { return currentPath_; }
    bool KeyExists(const std::string& key);

    // Values of the open key (of the root when none is open).
    bool ValueExists(const std::string& name);
    // "" for a missing value; ERegistryException "Invalid data type for '%s'" for a value that is
    // not a text.
    std::string ReadString(const std::string& name);
    // ERegistryException "Failed to get data for '%s'" when missing, "Invalid data type for '%s'"
    // for a value that is not a number.
    std::int32_t ReadInteger(const std::string& name);
    // rdUnknown for a missing value.
    TRegDataType GetDataType(const std::string& name);

    // The name of a root ("HKEY_CURRENT_USER"), "" for an unknown one.
    static std::string RootKeyName(HKEY rootKey);
    // The file that holds a root's hive.
    static std::string HiveFileName(HKEY rootKey);

private:
    const TRegistryHive& Hive();
    const TRegValue* FindValue(const std::string& name);
    std::string Resolve(const std::string& key) const;

    HKEY rootKey_ = HKEY_CURRENT_USER;
    std::string currentPath_;
    std::unique_ptr<TRegistryHive> hive_;  // read when first needed after the root or key changed
};
