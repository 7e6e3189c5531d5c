#include "platform/controls/Drop.h"

#include <map>

namespace {

struct TDropTable {
    std::map<HDROP, std::vector<std::string>> drops;
    HDROP next = 1;
};

TDropTable& Drops()
{
    static TDropTable table;
    return table;
}

const std::vector<std::string>* Find(HDROP drop)
{
    auto& drops = Drops().drops;
    auto it = drops.find(drop);
    return it == drops.end() ? nullptr : &it->second;
}

}  // namespace

void DragAcceptFiles(HWND window, bool accept)
{
    if (window != nullptr)
        window->SetAcceptsDroppedFiles(accept);
}

std::uint32_t DragQueryFileCount(HDROP drop)
{
    const auto* files = Find(drop);
    return files == nullptr ? 0 : static_cast<std::uint32_t>(files->size());
}

std::string DragQueryFile(HDROP drop, std::uint32_t index)
{
    const auto* files = Find(drop);
    if (files == nullptr || index >= files->size())
        return {};
    return (*files)[index];
}

void DragFinish(HDROP drop)
{
    Drops().drops.erase(drop);
}

std::size_t LiveDropCount()
{
    return Drops().drops.size();
}

TDropHandleScope::TDropHandleScope(const std::vector<std::string>& paths)
{
    auto& table = Drops();
    handle_ = table.next++;
    table.drops.emplace(handle_, paths);
}

TDropHandleScope::~TDropHandleScope()
{
    DragFinish(handle_);
}
