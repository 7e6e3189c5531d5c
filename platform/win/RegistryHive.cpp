#include "platform/win/RegistryHive.h"

#include <cstddef>
#include <optional>

namespace {

void AppendUtf8(std::string& out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16LE code units to UTF-8; an unpaired surrogate becomes U+FFFD.
std::string Utf16ToUtf8(const std::uint8_t* data, std::size_t size)
{
    std::string out;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        std::uint32_t unit = data[i] | (std::uint32_t{data[i + 1]} << 8);
        if (unit >= 0xD800 && unit < 0xDC00 && i + 3 < size) {
            const std::uint32_t low = data[i + 2] | (std::uint32_t{data[i + 3]} << 8);
            if (low >= 0xDC00 && low < 0xE000) {
                AppendUtf8(out, 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        AppendUtf8(out, unit >= 0xD800 && unit < 0xE000 ? 0xFFFD : unit);
    }
    return out;
}

std::string TrimBlanks(const std::string& text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// "de,ad,be,ef" (blanks allowed around the commas); nullopt when malformed.
std::optional<std::vector<std::uint8_t>> ParseHexBytes(const std::string& text)
{
    std::vector<std::uint8_t> bytes;
    const std::string data = TrimBlanks(text);
    if (data.empty())
        return bytes;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = data.find(',', start);
        const std::string piece = TrimBlanks(data.substr(start, comma == std::string::npos ? std::string::npos : comma - start));
        if (piece.size() != 2 || HexDigit(piece[0]) < 0 || HexDigit(piece[1]) < 0)
            return std::nullopt;
        bytes.push_back(static_cast<std::uint8_t>(HexDigit(piece[0]) * 16 + HexDigit(piece[1])));
        if (comma == std::string::npos)
            return bytes;
        start = comma + 1;
    }
}

// A quoted text starting at text[at] == '"'; at moves past the closing quote. nullopt when the
// quote isn't closed.
std::optional<std::string> ParseQuoted(const std::string& text, std::size_t& at)
{
    std::string out;
    for (std::size_t i = at + 1; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size() && (text[i + 1] == '\\' || text[i + 1] == '"')) {
            out += text[++i];
        } else if (text[i] == '"') {
            at = i + 1;
            return out;
        } else {
            out += text[i];
        }
    }
    return std::nullopt;
}

// Text of a string value given as bytes (hex(1) or hex(2)): UTF-16LE in Version 5 files, 8-bit in
// REGEDIT4 files; trailing NULs dropped.
std::string BytesToText(const std::vector<std::uint8_t>& bytes, bool wide)
{
    std::string text = wide ? Utf16ToUtf8(bytes.data(), bytes.size()) : std::string(bytes.begin(), bytes.end());
    while (!text.empty() && text.back() == '\0')
        text.pop_back();
    return text;
}

std::optional<TRegValue> ParseData(const std::string& data, bool wide)
{
    TRegValue value;
    if (!data.empty() && data.front() == '"') {
        std::size_t at = 0;
        std::optional<std::string> text = ParseQuoted(data, at);
        if (!text || !TrimBlanks(data.substr(at)).empty())
            return std::nullopt;
        value.Type = TRegDataType::rdString;
        value.Text = *text;
        return value;
    }
    if (data.compare(0, 6, "dword:") == 0) {
        const std::string digits = TrimBlanks(data.substr(6));
        if (digits.empty() || digits.size() > 8)
            return std::nullopt;
        std::uint32_t number = 0;
        for (char c : digits) {
            const int digit = HexDigit(c);
            if (digit < 0)
                return std::nullopt;
            number = number * 16 + static_cast<std::uint32_t>(digit);
        }
        value.Type = TRegDataType::rdInteger;
        value.Number = number;
        return value;
    }
    if (data.compare(0, 4, "hex:") == 0 || data.compare(0, 4, "hex(") == 0) {
        unsigned kind = 3;  // REG_BINARY
        std::size_t colon = 3;
        if (data[3] == '(') {
            const std::size_t close = data.find("):", 4);
            if (close == std::string::npos || close == 4 || close > 12)
                return std::nullopt;
            kind = 0;
            for (std::size_t i = 4; i < close; ++i) {
                const int digit = HexDigit(data[i]);
                if (digit < 0)
                    return std::nullopt;
                kind = kind * 16 + static_cast<unsigned>(digit);
            }
            colon = close + 1;
        }
        std::optional<std::vector<std::uint8_t>> bytes = ParseHexBytes(data.substr(colon + 1));
        if (!bytes)
            return std::nullopt;
        switch (kind) {
        case 1:  // REG_SZ
            value.Type = TRegDataType::rdString;
            value.Text = BytesToText(*bytes, wide);
            break;
        case 2:  // REG_EXPAND_SZ
            value.Type = TRegDataType::rdExpandString;
            value.Text = BytesToText(*bytes, wide);
            break;
        case 3:
            value.Type = TRegDataType::rdBinary;
            value.Bytes = std::move(*bytes);
            break;
        case 4:  // REG_DWORD, little-endian
            if (bytes->size() != 4)
                return std::nullopt;
            value.Type = TRegDataType::rdInteger;
            value.Number = (*bytes)[0] | ((*bytes)[1] << 8) | ((*bytes)[2] << 16) | (std::uint32_t{(*bytes)[3]} << 24);
            break;
        default:
            value.Type = TRegDataType::rdUnknown;
            value.Bytes = std::move(*bytes);
            break;
        }
        return value;
    }
    return std::nullopt;
}

}  // namespace

std::string RegistryFileText(const std::string& bytes)
{
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF && static_cast<unsigned char>(bytes[1]) == 0xFE)
        return Utf16ToUtf8(reinterpret_cast<const std::uint8_t*>(bytes.data()) + 2, bytes.size() - 2);
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        return bytes.substr(3);
    return bytes;
}

std::string TRegistryHive::Fold(const std::string& text)
{
    std::string folded = text;
    for (char& c : folded)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return folded;
}

TRegistryHive::TRegistryHive(std::string rootName, const std::string& fileText) : rootName_(std::move(rootName))
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < fileText.size()) {
        std::size_t end = fileText.find('\n', start);
        if (end == std::string::npos)
            end = fileText.size();
        lines.push_back(fileText.substr(start, end - start));
        start = end + 1;
    }
    wide_ = lines.empty() || TrimBlanks(lines.front()) != "REGEDIT4";

    std::string currentKey;
    bool inRoot = false;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string line = TrimBlanks(lines[i]);
        // Long binary values go on over several lines, each but the last ending in "\". Appended in
        // place: copying the value so far for every line would make a long value take quadratic time.
        while (!line.empty() && line.back() == '\\' && line.front() != '[' && i + 1 < lines.size()) {
            line.pop_back();
            line += TrimBlanks(lines[++i]);
        }
        ParseLine(line, currentKey, inRoot);
    }
}

void TRegistryHive::ParseLine(const std::string& line, std::string& currentKey, bool& inRoot)
{
    if (line.empty() || line.front() == ';')
        return;
    if (line.front() == '[') {
        inRoot = false;
        const std::size_t close = line.rfind(']');
        if (close == std::string::npos || close < 2 || line[1] == '-')
            return;  // malformed, or a deletion, which means nothing in a hive of its own
        std::string key = line.substr(1, close - 1);
        const std::string folded = Fold(key);
        const std::string root = Fold(rootName_);
        if (folded.compare(0, root.size(), root) != 0 || (folded.size() > root.size() && folded[root.size()] != '\\'))
            return;  // another root's key
        key = folded.substr(std::min(folded.size(), root.size() + 1));
        while (!key.empty() && key.back() == '\\')
            key.pop_back();
        currentKey = key;
        inRoot = true;
        keys_[currentKey];
        return;
    }
    if (!inRoot)
        return;
    std::string name;
    std::size_t at = 0;
    if (line.front() == '@') {
        at = 1;
    } else if (line.front() == '"') {
        std::optional<std::string> quoted = ParseQuoted(line, at);
        if (!quoted)
            return;
        name = *quoted;
    } else {
        return;
    }
    const std::string rest = TrimBlanks(line.substr(at));
    if (rest.empty() || rest.front() != '=')
        return;
    const std::string data = TrimBlanks(rest.substr(1));
    auto& values = keys_[currentKey];
    if (data == "-") {
        values.erase(Fold(name));
        return;
    }
    if (std::optional<TRegValue> value = ParseData(data, wide_))
        values[Fold(name)] = std::move(*value);
}

bool TRegistryHive::KeyExists(const std::string& keyPath) const
{
    const std::string folded = Fold(keyPath);
    if (folded.empty() || keys_.count(folded) != 0)
        return true;
    const std::string prefix = folded + "\\";
    auto below = keys_.lower_bound(prefix);
    return below != keys_.end() && below->first.compare(0, prefix.size(), prefix) == 0;
}

const TRegValue* TRegistryHive::FindValue(const std::string& keyPath, const std::string& valueName) const
{
    auto key = keys_.find(Fold(keyPath));
    if (key == keys_.end())
        return nullptr;
    auto value = key->second.find(Fold(valueName));
    return value == key->second.end() ? nullptr : &value->second;
}
