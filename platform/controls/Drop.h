#pragma once
// Files dropped from the shell. A window registers with DragAcceptFiles; the host hands a drop to
// TWinControl::DropFiles, which gives the window's Dispatch a WM_DROPFILES message whose WParam is a
// drop handle. Paths arrive whole (UTF-8), whatever their length.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/controls/WinControl.h"

using HDROP = std::uintptr_t;  // 0 = none

void DragAcceptFiles(HWND window, bool accept);
// Number of files of a live drop; 0 for an unknown or finished handle.
std::uint32_t DragQueryFileCount(HDROP drop);
// Path of file index; empty for an unknown or finished handle or an index out of range.
std::string DragQueryFile(HDROP drop, std::uint32_t index);
// Releases the drop; unknown or finished handles are ignored.
void DragFinish(HDROP drop);
// Number of live drops (tests use it to find leaks).
std::size_t LiveDropCount();

// A drop handle for the length of a scope: finished at its end unless the handler finished it.
class TDropHandleScope {
public:
    explicit TDropHandleScope(const std::vector<std::string>& paths);
    ~TDropHandleScope();
    TDropHandleScope(const TDropHandleScope&) = delete;
    TDropHandleScope& operator=(const TDropHandleScope&) = delete;
    HDROP Handle() const { return handle_; }

private:
    HDROP handle_;
};
