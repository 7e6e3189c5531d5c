#include "platform/controls/TextLimit.h"

#include <algorithm>

namespace {

bool IsContinuation(char c)
{
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte length of the first count characters of text (all of it when shorter).
std::size_t PrefixBytes(const std::string& text, std::size_t count)
{
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size() && n < count; ++n) {
        ++i;
        while (i < text.size() && IsContinuation(text[i]))
            ++i;
    }
    return i;
}

}  // namespace

std::size_t Utf8Length(const std::string& text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return !IsContinuation(c); }));
}

std::string ApplyTypingLimit(const std::string& current, const std::string& typed, int maxLength)
{
    if (maxLength <= 0)
        return typed;
    const std::size_t shorter = std::min(current.size(), typed.size());
    std::size_t prefix = 0;
    while (prefix < shorter && current[prefix] == typed[prefix])
        ++prefix;
    // Cut at a character boundary so a character is never split between kept and replaced parts.
    while (prefix > 0 && ((prefix < current.size() && IsContinuation(current[prefix])) ||
                          (prefix < typed.size() && IsContinuation(typed[prefix]))))
        --prefix;
    std::size_t suffix = 0;
    while (suffix < shorter - prefix && current[current.size() - 1 - suffix] == typed[typed.size() - 1 - suffix])
        ++suffix;
    while (suffix > 0 && (IsContinuation(current[current.size() - suffix]) || IsContinuation(typed[typed.size() - suffix])))
        --suffix;

    const std::string kept = current.substr(0, prefix) + current.substr(current.size() - suffix);
    const std::string inserted = typed.substr(prefix, typed.size() - suffix - prefix);
    const std::size_t keptLength = Utf8Length(kept);
    const auto limit = static_cast<std::size_t>(maxLength);
    const std::size_t room = keptLength >= limit ? 0 : limit - keptLength;
    return current.substr(0, prefix) + inserted.substr(0, PrefixBytes(inserted, room)) +
           current.substr(current.size() - suffix);
}
