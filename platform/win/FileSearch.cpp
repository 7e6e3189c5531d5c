#include "platform/win/FileSearch.h"

#include <dirent.h>
#include <sys/stat.h>

#include <algorithm>
#include <vector>

#include "platform/core/SysUtils.h"

struct TSearchState {
    std::vector<TSearchRec> matches;
    std::size_t next = 0;
};

namespace {

char FoldAscii(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Bytes of the UTF-8 character that starts with lead ("?" stands for one whole character).
std::size_t CharLength(const std::string& text, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    std::size_t length = lead < 0xC0 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    return std::min(length, text.size() - at);
}

bool MatchFrom(const std::string& name, std::size_t n, const std::string& mask, std::size_t m)
{
    // Iterative wildcard match with one backtrack point for the latest "*".
    std::size_t starMask = std::string::npos, starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == '*') {
            starMask = m++;
            starName = n;
        } else if (m < mask.size() && mask[m] == '?') {
            ++m;
            n += CharLength(name, n);
        } else if (m < mask.size() && FoldAscii(mask[m]) == FoldAscii(name[n])) {
            ++m;
            ++n;
        } else if (starMask != std::string::npos) {
            m = starMask + 1;
            starName += CharLength(name, starName);
            n = starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == '*')
        ++m;
    return m == mask.size();
}

bool NameBefore(const TSearchRec& a, const TSearchRec& b)
{
    const int folded = CompareText(a.Name, b.Name);
    return folded != 0 ? folded < 0 : a.Name < b.Name;
}

// The entry's attributes, or -1 for a kind of file that is never listed.
int AttributesOf(const std::string& name, const struct stat& info)
{
    int attr = 0;
    if (S_ISDIR(info.st_mode))
        attr |= faDirectory;
    else if (S_ISREG(info.st_mode))
        attr |= faArchive;
    else
        return -1;  // opening a pipe or a device could block or have effects
    if (!name.empty() && name.front() == '.')
        attr |= faHidden;
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        attr |= faReadOnly;
    return attr;
}

}  // namespace

bool MatchesMask(const std::string& name, const std::string& mask)
{
    if (MatchFrom(name, 0, mask, 0))
        return true;
    // "name.*" also finds "name" itself.
    if (mask.size() >= 2 && mask.compare(mask.size() - 2, 2, ".*") == 0 && name.find('.') == std::string::npos)
        return MatchFrom(name, 0, mask.substr(0, mask.size() - 2), 0);
    return false;
}

int FindFirst(const std::string& path, int attr, TSearchRec& searchRec)
{
    FindClose(searchRec);
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? std::string{} : path.substr(0, slash + 1);
    const std::string mask = slash == std::string::npos ? path : path.substr(slash + 1);
    const int excluded = ~attr & (faHidden | faSysFile | faVolumeID | faDirectory);

    DIR* dir = opendir(folder.empty() ? "." : folder.c_str());
    if (dir == nullptr)
        return ERROR_PATH_NOT_FOUND;
    auto state = std::make_shared<TSearchState>();
    while (const dirent* entry = readdir(dir)) {
        const std::string name = entry->d_name;
        if (mask.empty() || !MatchesMask(name, mask))
            continue;
        struct stat info {};
        if (stat((folder + name).c_str(), &info) != 0)
            continue;  // a broken link, or gone since it was listed
        const int entryAttr = AttributesOf(name, info);
        if (entryAttr < 0 || (entryAttr & excluded) != 0)
            continue;
        TSearchRec match;
        match.Name = name;
        match.Size = S_ISREG(info.st_mode) ? static_cast<std::int64_t>(info.st_size) : 0;
        match.Time = static_cast<std::int64_t>(info.st_mtime);
        match.Attr = entryAttr;
        match.ExcludeAttr = excluded;
        state->matches.push_back(std::move(match));
    }
    closedir(dir);
    if (state->matches.empty())
        return ERROR_FILE_NOT_FOUND;
    std::sort(state->matches.begin(), state->matches.end(), NameBefore);
    searchRec.FindHandle = std::move(state);
    return FindNext(searchRec);
}

int FindNext(TSearchRec& searchRec)
{
    const std::shared_ptr<TSearchState> state = searchRec.FindHandle;
    if (!state || state->next >= state->matches.size())
        return ERROR_NO_MORE_FILES;
    const TSearchRec& match = state->matches[state->next++];
    searchRec.Name = match.Name;
    searchRec.Size = match.Size;
    searchRec.Time = match.Time;
    searchRec.Attr = match.Attr;
    searchRec.ExcludeAttr = match.ExcludeAttr;
    return 0;
}

void FindClose(TSearchRec& searchRec)
{
    searchRec.FindHandle.reset();
}
