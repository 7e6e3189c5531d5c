#include "SPIs/SPIs.h"

#include <utility>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"
#include "platform/graphics/Picture.h"

QUORVEL_DEFINE_CLASS_INFO(TSPIs, TComponent)

namespace {

TSPIs* processInstance = nullptr;
TGraphicClass defaultGraphic = nullptr;

}  // namespace

TSPIs* SusiePlugins()
{
    return processInstance;
}

void TSPIs::SetDefaultGraphic(TGraphicClass graphicClass)
{
    defaultGraphic = graphicClass;
}

TGraphicClass TSPIs::GetDefaultGraphic()
{
    return defaultGraphic;
}

TSPIs::TSPIs(TComponent* owner) : TComponent(owner)
{
    if (!Designing()) {
        if (processInstance != nullptr)
            throw ESPIDupCreateSPIs(SPIMessages::DupCreateSPIs);
        processInstance = this;
    }
}

TSPIs::~TSPIs()
{
    if (processInstance == this)
        processInstance = nullptr;
    Clear();
}

void TSPIs::Loaded()
{
    TComponent::Loaded();
    if (!Designing() && AutoSearch)
        Search("*.spi");
}

// ---- The list ----------------------------------------------------------------------------------

void TSPIs::CheckIndex(int index, int limit) const
{
    if (index < 0 || index > limit)
        throw EListError(Format(Messages::ListIndexError, {std::int64_t{index}}));
}

int TSPIs::Add(std::unique_ptr<TSPI> spi)
{
    const int index = Count();
    Insert(index, std::move(spi));
    return index;
}

void TSPIs::Insert(int index, std::unique_ptr<TSPI> spi)
{
    if (index < 0 || index > Count())
        ForgetForcedLoader(spi.get());  // the wrapper goes with the index error
    CheckIndex(index, Count());
    TSPI* added = spi.get();
    plugins_.insert(plugins_.begin() + index, std::move(spi));
    auto* imageInput = dynamic_cast<TInSPI*>(added);
    if (Designing() || imageInput == nullptr)
        return;
    try {
        RegisterExtensions(*imageInput);
    } catch (...) {
        // The wrapper is freed, so it must not stay listed nor stay the forced loader.
        const int listed = IndexOf(added);
        if (listed >= 0)
            Delete(listed);
        throw;
    }
}

void TSPIs::RegisterExtensions(TInSPI& spi)
{
    const TStringList& extNames = spi.GetExtNames();
    const TStringList& fileTypes = spi.GetFileTypes();
    for (int entry = 0; entry < extNames.Count(); ++entry) {
        TGraphicClass graphicClass = GetDefaultGraphic();
        std::string patterns = extNames[entry];
        const std::string description = fileTypes[entry];
        // Pieces are taken from the end: the last pattern of an entry is registered first.
        while (!patterns.empty()) {
            std::string piece;
            const std::size_t semicolon = patterns.rfind(';');
            if (semicolon != std::string::npos) {
                piece = patterns.substr(semicolon + 1);
                patterns.erase(semicolon);
            } else {
                piece = std::move(patterns);
                patterns.clear();
            }
            const std::size_t dot = piece.find('.');
            const std::string extension = dot == std::string::npos ? piece : piece.substr(dot + 1);
            if (extension.empty())
                continue;  // "*.a;;*.b" or a trailing ";": nothing to register
            if (OnPictureRegister)
                OnPictureRegister(this, &spi, extension, description, graphicClass);
            if (graphicClass != nullptr)
                TPicture::RegisterFileFormat(extension, description, graphicClass);
        }
    }
}

void TSPIs::Delete(int index)
{
    CheckIndex(index, Count() - 1);
    std::unique_ptr<TSPI> spi = std::move(plugins_[static_cast<std::size_t>(index)]);
    plugins_.erase(plugins_.begin() + index);
    ForgetForcedLoader(spi.get());
    // spi (and its library) goes here, after it has left the list.
}

void TSPIs::ForgetForcedLoader(const TSPI* spi)
{
    if (spi != nullptr && GraphicForcedLoader == spi)
        GraphicForcedLoader = nullptr;
}

void TSPIs::Remove(TSPI* spi)
{
    const int index = IndexOf(spi);
    if (index >= 0)
        Delete(index);
}

void TSPIs::Clear()
{
    while (Count() > 0)
        Delete(0);
}

int TSPIs::IndexOf(const TSPI* spi) const
{
    for (int i = 0; i < Count(); ++i)
        if (plugins_[static_cast<std::size_t>(i)].get() == spi)
            return i;
    return -1;
}

int TSPIs::IndexOfSPIName(const std::string& name) const
{
    for (int i = 0; i < Count(); ++i)
        if (CompareText(plugins_[static_cast<std::size_t>(i)]->SPIName(), name) == 0)
            return i;
    return -1;
}

void TSPIs::Exchange(int index1, int index2)
{
    CheckIndex(index1, Count() - 1);
    CheckIndex(index2, Count() - 1);
    std::swap(plugins_[static_cast<std::size_t>(index1)], plugins_[static_cast<std::size_t>(index2)]);
}

TSPI* TSPIs::GetPlugins(int index) const
{
    CheckIndex(index, Count() - 1);
    return plugins_[static_cast<std::size_t>(index)].get();
}

// ---- Choosing plug-ins for a file ------------------------------------------------------------------

void TSPIs::FindPluginList(const std::vector<TSPIClass>& classes, const std::string& fileName, TList& list) const
{
    const std::string extension = ExtractFileExt(fileName);
    for (const std::unique_ptr<TSPI>& spi : plugins_) {
        bool selected = false;
        for (TSPIClass spiClass : classes)
            selected = selected || (spiClass != nullptr && spi->InheritsFrom(*spiClass));
        if (!selected)
            continue;
        bool claims = false;
        if (!extension.empty()) {
            const TStringList& extNames = spi->GetExtNames();
            for (int entry = 0; entry < extNames.Count() && !claims; ++entry)
                claims = CompareText(ExtractFileExt(extNames[entry]), extension) == 0;
        }
        if (claims)
            list.Insert(0, spi.get());
        else
            list.Add(spi.get());
    }
}
