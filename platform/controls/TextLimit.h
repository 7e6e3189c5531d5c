#pragma once
// The typing limit of an edit box, counted in characters (UTF-8 code points). A host reports the
// whole new text after a keystroke or a paste; the model works out which stretch was replaced and
// keeps only as much of the inserted text as the limit leaves room for, as the original platform's
// edit control does with each insertion. Deleting is never refused, so text longer than the limit
// (set by the program) can still be edited down.
#include <cstddef>
#include <string>

std::size_t Utf8Length(const std::string& text);
// The text that typing current into typed yields under maxLength (0 or less: no limit).
std::string ApplyTypingLimit(const std::string& current, const std::string& typed, int maxLength);
