#pragma once
// The Susie plug-in interface as the host calls it: the records and entry-point types of the
// plug-in SDK header, under the host's names. Including the SDK header next to the host's local
// memory declarations also makes the compiler check that both describe the same functions.
#include "platform/win/LocalMemory.h"
#include "plugins/sdk/susie.h"

using TPictureInfo = PictureInfo;
using TFileInfo = FileInfo;

using TGetPluginInfo = decltype(&::GetPluginInfo);
using TIsSupported = decltype(&::IsSupported);
using TGetPictureInfo = decltype(&::GetPictureInfo);
using TGetPicture = decltype(&::GetPicture);
using TGetPreview = decltype(&::GetPreview);
using TGetArchiveInfo = decltype(&::GetArchiveInfo);
using TGetFileInfo = decltype(&::GetFileInfo);
using TGetFile = decltype(&::GetFile);
using TConfigurationDlg = decltype(&::ConfigurationDlg);

// Size of the buffers the host hands to GetPluginInfo, and the size it tells the plug-in: one byte
// is kept back for the terminating NUL.
inline constexpr int PluginInfoBufferSize = 256;
inline constexpr int PluginInfoTextLength = PluginInfoBufferSize - 1;
