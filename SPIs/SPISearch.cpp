// Finding plug-in files: the folders to visit and the loading of each candidate.
#include <exception>

#include "SPIs/SPIs.h"
#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/win/FileSearch.h"
#include "platform/win/Folders.h"
#include "platform/win/Registry.h"

namespace {

constexpr const char* SusieRegistryKey = "\\Software\\Veltomar\\Susie\\Plug-in";
constexpr const char* SusieRegistryValue = "Path";
// Read-only, system and archive files: hidden files and folders are left out.
constexpr int PluginFileAttributes = faReadOnly | faSysFile | faArchive;

}  // namespace

void TSPIs::Search(const std::string& mask)
{
    const std::size_t slash = mask.rfind('/');
    if (slash != std::string::npos) {
        SearchFolder(mask.substr(0, slash + 1), mask.substr(slash + 1));
        return;
    }
    if (SearchOptions.Contains(TSPISearchOption::spsSusieDir))
        SearchSusieFolder(mask);
    if (SearchOptions.Contains(TSPISearchOption::spsAppDir))
        SearchFolder(ApplicationFolder(), mask);
    if (SearchOptions.Contains(TSPISearchOption::spsCurrentDir))
        SearchFolder(GetCurrentDir(), mask);
    if (SearchOptions.Contains(TSPISearchOption::spsSystemDir))
        SearchFolder(GetSystemDirectory(), mask);
    if (SearchOptions.Contains(TSPISearchOption::spsWindowsDir))
        SearchFolder(GetWindowsDirectory(), mask);
}

void TSPIs::SearchSusieFolder(const std::string& mask)
{
    std::string folder;
    {
        TRegistry registry(KEY_ALL_ACCESS);
        registry.SetRootKey(HKEY_CURRENT_USER);
        if (!registry.OpenKey(SusieRegistryKey, false))
            return;
        try {
            folder = registry.ReadString(SusieRegistryValue);
        } catch (const ERegistryException&) {
            return;  // a value of another type: no Susie folder
        }
    }
    if (!folder.empty())
        SearchFolder(folder, mask);
}

bool TSPIs::Listed(const std::string& fileName) const
{
    // The loader names a library by its absolute path; a candidate reached through a relative
    // folder is compared in that form as well.
    return IndexOfSPIName(fileName) >= 0 || IndexOfSPIName(ExpandFileName(fileName)) >= 0;
}

void TSPIs::SearchFolder(const std::string& folder, const std::string& mask)
{
    std::string prefix = folder;
    std::string fileMask = mask;
    // A mask that names a folder of its own continues the folder.
    if (const std::size_t slash = fileMask.rfind('/'); slash != std::string::npos) {
        if (!prefix.empty() && prefix.back() != '/')
            prefix += '/';
        prefix += fileMask.substr(0, slash + 1);
        fileMask.erase(0, slash + 1);
    }
    if (!prefix.empty() && prefix.back() != '/')
        prefix += '/';

    // Every candidate is known before the first is loaded.
    std::vector<std::string> candidates;
    TSearchRec searchRec;
    for (int found = FindFirst(prefix + fileMask, PluginFileAttributes, searchRec); found == 0;
         found = FindNext(searchRec)) {
        const std::string candidate = prefix + searchRec.Name;
        if (!Listed(candidate))
            candidates.push_back(candidate);
    }
    FindClose(searchRec);

    for (const std::string& candidate : candidates) {
        bool accept = true;
        if (OnSearching)
            OnSearching(this, candidate, accept);
        if (!accept)
            continue;
        std::unique_ptr<TSPI> spi = CreateSPI(candidate);
        if (!spi)
            continue;  // not a library: skipped without a message
        try {
            accept = true;
            if (OnSearch)
                OnSearch(this, spi.get(), accept);
            if (accept)
                Add(std::move(spi));
        } catch (...) {
            // A refusal by exception: the wrapper is freed (by Add, or with spi) and the search goes on.
        }
        ForgetForcedLoader(spi.get());  // a refused wrapper goes now, even if a handler made it the forced loader
    }
}
