#include "SPIs/SPI.h"

#include "platform/core/SysUtils.h"

QUORVEL_DEFINE_SPI_CLASS(TSPI, TObject)
QUORVEL_DEFINE_SPI_CLASS(TLoaderSPI, TSPI)
QUORVEL_DEFINE_SPI_CLASS(TInSPI, TLoaderSPI)
QUORVEL_DEFINE_SPI_CLASS(TAmSPI, TLoaderSPI)
QUORVEL_DEFINE_SPI_CLASS(TXnSPI, TSPI)

// ---- TSPI -------------------------------------------------------------------------------------

TSPI::~TSPI()
{
    if (handle_ != nullptr)
        FreeLibrary(handle_);
}

void TSPI::Open(const std::string& fileName)
{
    handle_ = LoadLibrary(fileName);
    if (handle_ == nullptr)
        throw ESPIFOpenErrorSPI(Format(SPIMessages::FOpenError, {fileName}));
    const std::string moduleName = GetModuleFileName(handle_);
    spiName_ = moduleName.empty() ? fileName : moduleName;

    AssignAPIAddress(apiGetPluginInfo_, "GetPluginInfo");
    AssignAPIAddress(apiIsSupported_, "IsSupported");
    AssignAPIAddress(apiGetPictureInfo_, "GetPictureInfo");
    AssignAPIAddress(apiGetPicture_, "GetPicture");
    AssignAPIAddress(apiGetPreview_, "GetPreview");
    AssignAPIAddress(apiGetArchiveInfo_, "GetArchiveInfo");
    AssignAPIAddress(apiGetFileInfo_, "GetFileInfo");
    AssignAPIAddress(apiGetFile_, "GetFile");
    AssignAPIAddress(apiConfigurationDlg_, "ConfigurationDlg");

    CheckAPIs();

    std::int32_t result = 0;
    std::string text = ReadPluginInfo(0, result);
    if (result > 0)
        apiVersion_ = text;
    text = ReadPluginInfo(1, result);
    if (result > 0)
        pluginName_ = text;

    // Pattern and description come in pairs; the first incomplete pair ends the list.
    for (std::int32_t infoNo = 2; extNames_.Count() < MaxPluginInfoEntries; infoNo += 2) {
        std::int32_t patternResult = 0;
        const std::string pattern = ReadPluginInfo(infoNo, patternResult);
        if (patternResult <= 0)
            break;
        std::int32_t descriptionResult = 0;
        const std::string description = ReadPluginInfo(infoNo + 1, descriptionResult);
        if (descriptionResult <= 0)
            break;
        extNames_.Add(pattern);
        fileTypes_.Add(description);
    }
}

std::string TSPI::ReadPluginInfo(std::int32_t infoNo, std::int32_t& result)
{
    char buffer[PluginInfoBufferSize] = {};
    result = GetPluginInfo(infoNo, buffer, PluginInfoTextLength);
    buffer[PluginInfoBufferSize - 1] = '\0';  // whatever the plug-in wrote, the text ends here
    return buffer;
}

void* TSPI::ProcAddress(const std::string& name) const
{
    return GetProcAddress(handle_, name);
}

void TSPI::RaiseInvalidAPI(const char* name) const
{
    throw ESPIInvalidAPI(Format(SPIMessages::InvalidAPI, {std::string(name), spiName_}));
}

void TSPI::CheckAPIs()
{
    CheckAPI(apiGetPluginInfo_, "GetPluginInfo");
}

std::int32_t TSPI::GetPluginInfo(std::int32_t infoNo, char* buf, std::int32_t bufLen)
{
    CheckAPI(apiGetPluginInfo_, "GetPluginInfo");
    return apiGetPluginInfo_(infoNo, buf, bufLen);
}

std::int32_t TSPI::ConfigurationDlg(void* parent, std::int32_t fnc)
{
    CheckAPI(apiConfigurationDlg_, "ConfigurationDlg");
    return apiConfigurationDlg_(parent, fnc);
}

// ---- TLoaderSPI -------------------------------------------------------------------------------

void TLoaderSPI::CheckAPIs()
{
    TSPI::CheckAPIs();
    CheckAPI(apiIsSupported_, "IsSupported");
}

std::int32_t TLoaderSPI::IsSupported(const char* fileName, const void* head)
{
    CheckAPI(apiIsSupported_, "IsSupported");
    return apiIsSupported_(fileName, head);
}

// ---- TInSPI -----------------------------------------------------------------------------------

void TInSPI::CheckAPIs()
{
    TLoaderSPI::CheckAPIs();
    CheckAPI(apiGetPictureInfo_, "GetPictureInfo");
    CheckAPI(apiGetPicture_, "GetPicture");
}

std::int32_t TInSPI::GetPictureInfo(const void* source, std::intptr_t lengthOrOffset, std::uint32_t flag,
                                    TPictureInfo& info)
{
    CheckAPI(apiGetPictureInfo_, "GetPictureInfo");
    return apiGetPictureInfo_(static_cast<const char*>(source), lengthOrOffset, flag, &info);
}

std::int32_t TInSPI::GetPicture(const void* source, std::intptr_t lengthOrOffset, std::uint32_t flag,
                                HLOCAL& hBInfo, HLOCAL& hBm, SusieProgress progress, std::intptr_t lData)
{
    CheckAPI(apiGetPicture_, "GetPicture");
    return apiGetPicture_(static_cast<const char*>(source), lengthOrOffset, flag, &hBInfo, &hBm, progress, lData);
}

std::int32_t TInSPI::GetPreview(const void* source, std::intptr_t lengthOrOffset, std::uint32_t flag,
                                HLOCAL& hBInfo, HLOCAL& hBm, SusieProgress progress, std::intptr_t lData)
{
    CheckAPI(apiGetPreview_, "GetPreview");
    return apiGetPreview_(static_cast<const char*>(source), lengthOrOffset, flag, &hBInfo, &hBm, progress, lData);
}

// ---- TAmSPI -----------------------------------------------------------------------------------

void TAmSPI::CheckAPIs()
{
    TLoaderSPI::CheckAPIs();
    CheckAPI(apiGetArchiveInfo_, "GetArchiveInfo");
    CheckAPI(apiGetFileInfo_, "GetFileInfo");
    CheckAPI(apiGetFile_, "GetFile");
}

std::int32_t TAmSPI::GetArchiveInfo(const void* source, std::intptr_t lengthOrOffset, std::uint16_t flag,
                                    HLOCAL& hInfo)
{
    CheckAPI(apiGetArchiveInfo_, "GetArchiveInfo");
    return apiGetArchiveInfo_(static_cast<const char*>(source), lengthOrOffset, flag, &hInfo);
}

std::int32_t TAmSPI::GetFileInfo(const void* source, std::intptr_t lengthOrOffset, const char* fileName,
                                 std::uint16_t flag, TFileInfo& info)
{
    CheckAPI(apiGetFileInfo_, "GetFileInfo");
    return apiGetFileInfo_(static_cast<const char*>(source), lengthOrOffset, fileName, flag, &info);
}

std::int32_t TAmSPI::GetFile(const void* source, std::intptr_t lengthOrOffset, void* dest, std::uint16_t flag,
                             SusieProgress progress, std::intptr_t lData)
{
    CheckAPI(apiGetFile_, "GetFile");
    return apiGetFile_(static_cast<const char*>(source), lengthOrOffset, static_cast<char*>(dest), flag, progress,
                       lData);
}

// ---- CreateSPI --------------------------------------------------------------------------------

TSPIClass SPIClassOfAPIVersion(const std::string& apiVersion)
{
    if (apiVersion == "00IN")
        return TInSPI::StaticSPIClass();
    if (apiVersion == "00AM")
        return TAmSPI::StaticSPIClass();
    if (apiVersion == "00XN")
        return TXnSPI::StaticSPIClass();
    return TSPI::StaticSPIClass();
}

std::unique_ptr<TSPI> CreateSPI(const std::string& fileName)
{
    try {
        // The probe reads the type; the library is then loaded again (the loader counts the
        // loads) for the wrapper of the right class, and the probe's load is released on the way out.
        const std::unique_ptr<TSPI> probe = TSPI::Create(fileName);
        return SPIClassOfAPIVersion(probe->APIVersion())->Create(fileName);
    } catch (const ESPIFOpenErrorSPI&) {
        return nullptr;
    } catch (const ESPIInvalidSPI&) {
        return nullptr;
    }
}
