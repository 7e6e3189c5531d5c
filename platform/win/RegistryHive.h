#pragma once
// One root of the registry stand-in, read from a text file in the format of Windows registry
// export files:
//
//     Windows Registry Editor Version 5.00
//
//     [HKEY_CURRENT_USER\Software\Veltomar\Susie\Plug-in]
//     "Path"="/home/me/susie"
//     "Count"=dword:0000002a
//
// Key lines name the whole key from the root; keys of other roots are ignored. Values: "text"
// (with \\ and \" escapes), dword:<hex>, hex:<bytes> and hex(<type>):<bytes> (a line ending in "\"
// continues on the next), "@" for the key's unnamed value, "-" deleting a value. The first line may
// be the export header ("Windows Registry Editor Version 5.00" or "REGEDIT4"); blank lines and
// lines beginning with ";" are skipped, and so are lines that fit no form. UTF-8 text, with or
// without a byte-order mark; UTF-16 files as written by the registry editor are read too. Key and
// value names are compared without regard to ASCII case.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

enum class TRegDataType { rdUnknown, rdString, rdExpandString, rdInteger, rdBinary };

struct TRegValue {
    TRegDataType Type = TRegDataType::rdUnknown;
    std::string Text;                // rdString, rdExpandString
    std::uint32_t Number = 0;        // rdInteger
    std::vector<std::uint8_t> Bytes; // rdBinary, rdUnknown
};

class TRegistryHive {
public:
    // rootName: "HKEY_CURRENT_USER" and so on; the file's key lines begin with it.
    TRegistryHive(std::string rootName, const std::string& fileText);

    // keyPath: below the root, parts separated by "\", without leading or trailing "\"; "" is the
    // root. A key exists when the file lists it or any key below it.
    bool KeyExists(const std::string& keyPath) const;
    // nullptr when the key or the value doesn't exist.
    const TRegValue* FindValue(const std::string& keyPath, const std::string& valueName) const;

private:
    void ParseLine(const std::string& line, std::string& currentKey, bool& inRoot);
    static std::string Fold(const std::string& text);

    std::string rootName_;
    bool wide_ = true;  // string bytes of hex(1)/hex(2) values are UTF-16LE (not in REGEDIT4 files)
    // Folded key path -> folded value name -> value.
    std::map<std::string, std::map<std::string, TRegValue>> keys_;
};

// Text of a registry file as UTF-8: a UTF-8 byte-order mark is dropped, UTF-16LE with its mark is
// converted.
std::string RegistryFileText(const std::string& bytes);
