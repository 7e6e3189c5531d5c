#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/Lists.h"
#include "platform/core/SysUtils.h"

namespace {

bool IsBlank(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

std::string Quoted(const std::string& text)
{
    std::string result = "\"";
    for (char c : text) {
        result += c;
        if (c == '"')
            result += '"';
    }
    return result + '"';
}

// Reads a quoted entry starting at the opening quote; "" inside stands for one quote. An entry
// without its closing quote runs to the end of the text.
std::string ReadQuoted(const std::string& text, std::size_t& i)
{
    std::string result;
    for (++i; i < text.size(); ++i) {
        if (text[i] != '"') {
            result += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '"') {
            result += '"';
            ++i;
        } else {
            ++i;
            break;
        }
    }
    return result;
}

}  // namespace

void TStringList::Check(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(Format(Messages::ListIndexError, {index}));
}

int TStringList::Compare(const std::string& a, const std::string& b) const
{
    return CaseSensitive ? a.compare(b) : CompareText(a, b);
}

const std::string& TStringList::Strings(int index) const
{
    Check(index);
    return items_[static_cast<std::size_t>(index)].text;
}

void TStringList::SetString(int index, const std::string& text)
{
    if (Sorted)
        throw EListError(Messages::SortedListError);
    Check(index);
    items_[static_cast<std::size_t>(index)].text = text;
}

void* TStringList::Objects(int index) const
{
    Check(index);
    return items_[static_cast<std::size_t>(index)].object;
}

void TStringList::SetObject(int index, void* object)
{
    Check(index);
    items_[static_cast<std::size_t>(index)].object = object;
}

int TStringList::AddObject(const std::string& text, void* object)
{
    if (!Sorted) {
        items_.push_back({text, object});
        return Count() - 1;
    }
    // Sorted may have been switched on over unsorted entries.
    if (!std::is_sorted(items_.begin(), items_.end(),
                        [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; }))
        Sort();
    int index = 0;
    if (Find(text, index)) {
        if (Duplicates == TDuplicates::dupIgnore)
            return index;
        if (Duplicates == TDuplicates::dupError)
            throw EListError(Messages::DuplicateString);
    }
    items_.insert(items_.begin() + index, Item{text, object});
    return index;
}

void TStringList::Insert(int index, const std::string& text, void* object)
{
    if (Sorted)
        throw EListError(Messages::SortedListError);
    if (index != Count())  // inserting at the end is allowed
        Check(index);
    items_.insert(items_.begin() + index, Item{text, object});
}

void TStringList::Delete(int index)
{
    Check(index);
    items_.erase(items_.begin() + index);
}

void TStringList::Exchange(int a, int b)
{
    Check(a);
    Check(b);
    std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
}

// Everything is checked before the entry leaves its place, so a failing move loses nothing.
void TStringList::Move(int from, int to)
{
    if (from == to)
        return;
    if (Sorted)
        throw EListError(Messages::SortedListError);
    Check(to);
    Check(from);
    if (from < to)
        std::rotate(items_.begin() + from, items_.begin() + from + 1, items_.begin() + to + 1);
    else
        std::rotate(items_.begin() + to, items_.begin() + from, items_.begin() + from + 1);
}

int TStringList::IndexOf(const std::string& text) const
{
    if (Sorted) {
        int index = 0;
        return Find(text, index) ? index : -1;
    }
    for (int i = 0; i < Count(); ++i)
        if (Compare(items_[static_cast<std::size_t>(i)].text, text) == 0)
            return i;
    return -1;
}

int TStringList::IndexOfObject(void* object) const
{
    for (int i = 0; i < Count(); ++i)
        if (items_[static_cast<std::size_t>(i)].object == object)
            return i;
    return -1;
}

// Binary search: index is the first entry equal to text, or where text would be inserted.
bool TStringList::Find(const std::string& text, int& index) const
{
    const auto first = std::lower_bound(
        items_.begin(), items_.end(), text,
        [this](const Item& item, const std::string& key) { return Compare(item.text, key) < 0; });
    index = static_cast<int>(first - items_.begin());
    return first != items_.end() && Compare(first->text, text) == 0;
}

void TStringList::Sort()
{
    std::stable_sort(items_.begin(), items_.end(),
                     [this](const Item& a, const Item& b) { return Compare(a.text, b.text) < 0; });
}

std::string TStringList::Text() const
{
    std::string result;
    for (const Item& item : items_)
        result += item.text + '\n';
    return result;
}

// "\r\n", "\r" and "\n" each end a line; a break at the very end adds no empty line. The entries
// go through Add, so a sorted list stays sorted; on failure (a duplicate refused) the list keeps
// its old entries.
void TStringList::SetText(const std::string& text)
{
    TStringList parsed = WithSettingsOf(*this);
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", i), text.size());
        parsed.Add(text.substr(i, end - i));
        i = end;
        if (i < text.size() && text[i] == '\r')
            ++i;
        if (i < text.size() && text[i] == '\n')
            ++i;
    }
    items_ = std::move(parsed.items_);
}

std::string TStringList::CommaText() const
{
    if (Count() == 1 && items_[0].text.empty())
        return "\"\"";
    std::string result;
    for (const Item& item : items_) {
        if (&item != &items_.front())
            result += ',';
        const bool needsQuotes = std::any_of(item.text.begin(), item.text.end(), [](char c) {
            return IsBlank(c) || c == '"' || c == ',';
        });
        result += needsQuotes ? Quoted(item.text) : item.text;
    }
    return result;
}

// Entries are separated by commas or by blanks; blanks around entries are dropped; a comma at
// the very end adds an empty entry. As with SetText the list keeps its entries on failure.
void TStringList::SetCommaText(const std::string& text)
{
    TStringList parsed = WithSettingsOf(*this);
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && IsBlank(text[i]))
            ++i;
    };
    skipBlanks();
    while (i < text.size()) {
        if (text[i] == '"') {
            parsed.Add(ReadQuoted(text, i));
        } else {
            const std::size_t start = i;
            while (i < text.size() && !IsBlank(text[i]) && text[i] != ',')
                ++i;
            parsed.Add(text.substr(start, i - start));
        }
        skipBlanks();
        if (i < text.size() && text[i] == ',') {
            if (i + 1 == text.size())
                parsed.Add("");
            ++i;
            skipBlanks();
        }
    }
    items_ = std::move(parsed.items_);
}

TStringList TStringList::WithSettingsOf(const TStringList& list)
{
    TStringList empty;
    empty.Sorted = list.Sorted;
    empty.CaseSensitive = list.CaseSensitive;
    empty.Duplicates = list.Duplicates;
    return empty;
}
