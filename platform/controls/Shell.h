#pragma once
// Opening a document with the program the desktop associates with it, through the host's shell
// service. Returns a value above 32 on success, an error code of 32 or below otherwise.
#include <cstdint>
#include <string>

#include "platform/controls/Services.h"
#include "platform/controls/WinControl.h"

std::intptr_t ShellExecute(HWND parent, const std::string& verb, const std::string& file,
                           const std::string& parameters, const std::string& directory, int showCommand);
