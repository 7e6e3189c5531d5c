#pragma once
// File search of the platform: FindFirst/FindNext/FindClose over one folder, with a wildcard mask
// ("*" any run of characters, "?" exactly one; letters compared without regard to ASCII case, as
// on the platform this stands in for; a mask ending in ".*" also matches names without a dot).
//
// Entries carry platform attributes: faDirectory for folders, faHidden for names beginning with
// ".", faReadOnly for files nobody may write, faArchive for every regular file. Regular files and
// links to regular files or folders are found; other kinds (devices, pipes, sockets, broken links)
// never are. An entry is listed unless it has one of faHidden, faSysFile, faVolumeID and
// faDirectory that the attribute mask doesn't ask for: ordinary and read-only files are always
// listed. Names come in ascending order (ASCII case folded), so the result doesn't depend on how
// the file system happens to store the folder.
#include <cstdint>
#include <memory>
#include <string>

inline constexpr int faReadOnly = 0x01;
inline constexpr int faHidden = 0x02;
inline constexpr int faSysFile = 0x04;
inline constexpr int faVolumeID = 0x08;
inline constexpr int faDirectory = 0x10;
inline constexpr int faArchive = 0x20;
inline constexpr int faAnyFile = 0x3F;

// Results of FindFirst and FindNext.
inline constexpr int ERROR_FILE_NOT_FOUND = 2;   // nothing matches
inline constexpr int ERROR_PATH_NOT_FOUND = 3;   // the folder can't be read
inline constexpr int ERROR_NO_MORE_FILES = 18;   // FindNext past the last match

struct TSearchState;

struct TSearchRec {
    std::string Name;           // file name without its folder
    std::int64_t Size = 0;      // bytes
    std::int64_t Time = 0;      // last modification, seconds since 1970-01-01 UTC
    int Attr = 0;
    int ExcludeAttr = 0;
    std::shared_ptr<TSearchState> FindHandle;  // the matches still to come
};

// path = folder + "/" + mask, or a mask alone for the current folder. 0 when a first match was
// found and is in searchRec, otherwise one of the error results above.
int FindFirst(const std::string& path, int attr, TSearchRec& searchRec);
// 0 and the next match in searchRec, or ERROR_NO_MORE_FILES.
int FindNext(TSearchRec& searchRec);
void FindClose(TSearchRec& searchRec);

// The mask rule on its own.
bool MatchesMask(const std::string& name, const std::string& mask);
