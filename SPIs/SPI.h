#pragma once
// Plug-in wrappers: one object per loaded Susie plug-in library. Constructing a wrapper loads the
// library, looks up the nine entry points, checks that those its class requires are there and reads
// the plug-in's information (type, name, extension patterns with their file-type descriptions).
// Every entry point is offered as a method that raises ESPIInvalidAPI instead of calling a missing
// one and otherwise returns the plug-in's result unchanged.
//
//   TSPI            any plug-in library; requires GetPluginInfo
//     TLoaderSPI    + IsSupported
//       TInSPI      image input ("00IN"): + GetPictureInfo, GetPicture
//       TAmSPI      archive ("00AM"): + GetArchiveInfo, GetFileInfo, GetFile
//     TXnSPI        type "00XN"
//
// Wrappers are made through class references (TSPIClass), whose Create is the virtual
// constructor, or by CreateSPI, which picks the class by the plug-in's type text.
#include <cstdint>
#include <memory>
#include <string>

#include "SPIs/SPIExceptions.h"
#include "SPIs/SusieAPI.h"
#include "platform/core/Lists.h"
#include "platform/core/Object.h"
#include "platform/win/Library.h"

class TSPI;

struct TSPIClassInfo : TClassInfo {
    // The virtual constructor: loads the library as a wrapper of this class.
    std::unique_ptr<TSPI> (*Create)(const std::string& fileName);
};
using TSPIClass = const TSPIClassInfo*;
using TLoaderSPIClass = TSPIClass;  // by convention one of TLoaderSPI or below

// The extension entries read from one plug-in at most; a plug-in that answers every information
// number would otherwise never let loading end.
inline constexpr int MaxPluginInfoEntries = 1024;

#define QUORVEL_SPI_CLASS(ClassName_)                                                  \
public:                                                                                \
    static TSPIClass StaticSPIClass();                                                 \
    static const TClassInfo& StaticClassInfo() { return *StaticSPIClass(); }           \
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }        \
    static std::unique_ptr<ClassName_> Create(const std::string& fileName)             \
    {                                                                                  \
        return TSPI::Construct<ClassName_>(fileName);                                  \
    }                                                                                  \
                                                                                       \
protected:                                                                             \
    ClassName_() = default;                                                            \
    friend class TSPI;                                                                 \
                                                                                       \
private:

// In the .cpp: QUORVEL_DEFINE_SPI_CLASS(TInSPI, TLoaderSPI)
#define QUORVEL_DEFINE_SPI_CLASS(ClassName_, Parent_)                                                   \
    TSPIClass ClassName_::StaticSPIClass()                                                              \
    {                                                                                                   \
        static const TSPIClassInfo info{                                                                \
            {#ClassName_, &Parent_::StaticClassInfo()},                                                 \
            +[](const std::string& fileName) -> std::unique_ptr<TSPI> { return ClassName_::Create(fileName); }}; \
        return &info;                                                                                   \
    }

class TSPI : public TObject {
public:
    static TSPIClass StaticSPIClass();
    static const TClassInfo& StaticClassInfo() { return *StaticSPIClass(); }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static std::unique_ptr<TSPI> Create(const std::string& fileName) { return Construct<TSPI>(fileName); }

    ~TSPI() override;
    TSPI(const TSPI&) = delete;
    TSPI& operator=(const TSPI&) = delete;

    TSPIClass SPIClass() const { return static_cast<TSPIClass>(&ClassInfo()); }

    HMODULE Handle() const { return handle_; }
    // The library's absolute path; the name given to the constructor when the loader can't say.
    const std::string& SPIName() const { return spiName_; }
    const std::string& APIVersion() const { return apiVersion_; }  // the type text, "" when none
    const std::string& PluginName() const { return pluginName_; }
    // Extension patterns and the file-type description of each, entry for entry.
    const TStringList& GetExtNames() const { return extNames_; }
    const TStringList& GetFileTypes() const { return fileTypes_; }

    // The library's export of that name; nullptr when there is none.
    void* ProcAddress(const std::string& name) const;

    std::int32_t GetPluginInfo(std::int32_t infoNo, char* buf, std::int32_t bufLen);
    std::int32_t ConfigurationDlg(void* parent, std::int32_t fnc);

protected:
    template <class Function>
    void AssignAPIAddress(Function& field, const char* name)
    {
        field = reinterpret_cast<Function>(ProcAddress(name));
    }
    // Raises ESPIInvalidAPI naming the entry point and the library when field is nullptr.
    template <class Function>
    void CheckAPI(Function field, const char* name) const
    {
        if (field == nullptr)
            RaiseInvalidAPI(name);
    }
    [[noreturn]] void RaiseInvalidAPI(const char* name) const;
    // The entry points this class requires, parent's first.
    virtual void CheckAPIs();

    TSPI() = default;

    template <class Wrapper>
    static std::unique_ptr<Wrapper> Construct(const std::string& fileName)
    {
        std::unique_ptr<Wrapper> wrapper(new Wrapper());
        static_cast<TSPI&>(*wrapper).Open(fileName);  // a failure frees the half-built wrapper
        return wrapper;
    }

    TGetPluginInfo apiGetPluginInfo_ = nullptr;
    TIsSupported apiIsSupported_ = nullptr;
    TGetPictureInfo apiGetPictureInfo_ = nullptr;
    TGetPicture apiGetPicture_ = nullptr;
    TGetPreview apiGetPreview_ = nullptr;
    TGetArchiveInfo apiGetArchiveInfo_ = nullptr;
    TGetFileInfo apiGetFileInfo_ = nullptr;
    TGetFile apiGetFile_ = nullptr;
    TConfigurationDlg apiConfigurationDlg_ = nullptr;

private:
    void Open(const std::string& fileName);
    // Information text number infoNo; result is the plug-in's answer.
    std::string ReadPluginInfo(std::int32_t infoNo, std::int32_t& result);

    HMODULE handle_ = nullptr;
    std::string spiName_;
    std::string apiVersion_;
    std::string pluginName_;
    TStringList extNames_;
    TStringList fileTypes_;
};

class TLoaderSPI : public TSPI {
    QUORVEL_SPI_CLASS(TLoaderSPI)
public:
    // head: the data's first bytes, at least 2,048 readable.
    std::int32_t IsSupported(const char* fileName, const void* head);

protected:
    void CheckAPIs() override;
};

class TInSPI : public TLoaderSPI {
    QUORVEL_SPI_CLASS(TInSPI)
public:
    // source: a file name (flag SUSIE_SOURCE_FILE, lengthOrOffset = offset in the file) or the data
    // (SUSIE_SOURCE_MEMORY, lengthOrOffset = their length).
    std::int32_t GetPictureInfo(const void* source, std::intptr_t lengthOrOffset, std::uint32_t flag,
                                TPictureInfo& info);
    // The plug-in writes the header and pixel handles straight into hBInfo and hBm.
    std::int32_t GetPicture(const void* source, std::intptr_t lengthOrOffset, std::uint32_t flag, HLOCAL& hBInfo,
                            HLOCAL& hBm, SusieProgress progress, std::intptr_t lData);
    std::int32_t GetPreview(const void* source, std::intptr_t lengthOrOffset, std::uint32_t flag, HLOCAL& hBInfo,
                            HLOCAL& hBm, SusieProgress progress, std::intptr_t lData);

protected:
    void CheckAPIs() override;
};

class TAmSPI : public TLoaderSPI {
    QUORVEL_SPI_CLASS(TAmSPI)
public:
    std::int32_t GetArchiveInfo(const void* source, std::intptr_t lengthOrOffset, std::uint16_t flag, HLOCAL& hInfo);
    std::int32_t GetFileInfo(const void* source, std::intptr_t lengthOrOffset, const char* fileName,
                             std::uint16_t flag, TFileInfo& info);
    std::int32_t GetFile(const void* source, std::intptr_t lengthOrOffset, void* dest, std::uint16_t flag,
                         SusieProgress progress, std::intptr_t lData);

protected:
    void CheckAPIs() override;
};

class TXnSPI : public TSPI {
    QUORVEL_SPI_CLASS(TXnSPI)
};

// The wrapper of the class the plug-in's type text names ("00IN" TInSPI, "00AM" TAmSPI, "00XN"
// TXnSPI, anything else TSPI), or nullptr without a message when the file can't be loaded as a
// library. ESPIInvalidAPI (a required entry point missing) passes on.
std::unique_ptr<TSPI> CreateSPI(const std::string& fileName);
// The class CreateSPI picks for a type text (compared whole, letter case included).
TSPIClass SPIClassOfAPIVersion(const std::string& apiVersion);
