#include "platform/core/Lists.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

void TList::Check(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(Format(Messages::ListIndexError, {index}));
}

void* TList::Get(int index) const
{
    Check(index);
    return items_[static_cast<std::size_t>(index)];
}

void TList::Put(int index, void* item)
{
    Check(index);
    items_[static_cast<std::size_t>(index)] = item;
}

int TList::Add(void* item)
{
    items_.push_back(item);
    return Count() - 1;
}

void TList::Insert(int index, void* item)
{
    if (index != Count())  // inserting at the end is allowed
        Check(index);
    items_.insert(items_.begin() + index, item);
}

void TList::Delete(int index)
{
    Check(index);
    items_.erase(items_.begin() + index);
}

int TList::Remove(void* item)
{
    const int index = IndexOf(item);
    if (index >= 0)
        Delete(index);
    return index;
}

int TList::IndexOf(void* item) const
{
    const auto found = std::find(items_.begin(), items_.end(), item);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void TList::Move(int from, int to)
{
    if (from == to)
        return;
    Check(to);
    Check(from);
    if (from < to)
        std::rotate(items_.begin() + from, items_.begin() + from + 1, items_.begin() + to + 1);
    else
        std::rotate(items_.begin() + to, items_.begin() + from, items_.begin() + from + 1);
}

void TList::Exchange(int a, int b)
{
    Check(a);
    Check(b);
    std::swap(items_[static_cast<std::size_t>(a)], items_[static_cast<std::size_t>(b)]);
}
