#pragma once
// Folders of the platform: the current folder, absolute names, and the system-wide folders where
// plug-ins may be installed for every user.
#include <string>

// The system-wide plug-in folders that stand in for the Windows system and Windows folders.
inline constexpr const char* SystemPluginFolder = "/usr/lib/quorvel/system";
inline constexpr const char* SharedPluginFolder = "/usr/lib/quorvel";

std::string GetSystemDirectory();   // SystemPluginFolder
std::string GetWindowsDirectory();  // SharedPluginFolder
std::string GetCurrentDir();        // absolute, without a trailing "/"; empty when unknown
// The absolute form of a file name: relative names are taken from the current folder; "." parts
// and repeated "/" are dropped and ".." removes the part before it (by the text alone, links are
// not followed). Empty stays empty.
std::string ExpandFileName(const std::string& fileName);
// The folder of the running executable, with its trailing "/"; empty when unknown.
std::string ApplicationFolder();
