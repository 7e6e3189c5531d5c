#pragma once
// Library loading of the platform, over the dynamic loader: a library is loaded with every symbol
// resolved at once and kept private to its handle (dlopen RTLD_NOW | RTLD_LOCAL). The loader counts
// loads of the same file; each LoadLibrary is matched by one FreeLibrary.
#include <string>

using HMODULE = void*;  // nullptr = no library

// Loads the library; nullptr when it can't be loaded (missing, not a library, unresolved symbols,
// an empty name). The file is named by its absolute path to the loader: a relative name is taken
// from the current folder, also one without any folder, never from the system's library path.
HMODULE LoadLibrary(const std::string& fileName);
// The address of an exported symbol; nullptr when the library doesn't export it or module is nullptr.
void* GetProcAddress(HMODULE module, const std::string& procName);
// Releases one load; false for nullptr or a handle the loader doesn't know.
bool FreeLibrary(HMODULE module);
// The absolute path of a live library (of the running executable for nullptr); empty when
// unknown. The whole path, however long.
std::string GetModuleFileName(HMODULE module);
