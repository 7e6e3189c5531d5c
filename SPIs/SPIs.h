#pragma once
// The plug-in registry component: owns the wrappers of all loaded Susie plug-ins, finds plug-in
// files in the plug-in folders when its owner has finished loading, registers every image-input
// plug-in's extensions with the picture-format registry under one class-wide graphic class, and
// tells the plug-in data sources which plug-ins to try for a file. A process has at most one
// (outside design mode), reached through SusiePlugins().
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "SPIs/SPI.h"
#include "platform/controls/Component.h"
#include "platform/core/Lists.h"
#include "platform/graphics/Graphic.h"

enum class TSPISearchOption : std::uint8_t { spsSusieDir, spsAppDir, spsCurrentDir, spsSystemDir, spsWindowsDir };

// A set of search options in one byte, bit i for the option of ordinal i.
class TSPISearchOptions {
public:
    constexpr TSPISearchOptions() = default;
    constexpr TSPISearchOptions(std::initializer_list<TSPISearchOption> options)
    {
        for (TSPISearchOption option : options)
            Include(option);
    }
    constexpr bool Contains(TSPISearchOption option) const { return (bits_ & Bit(option)) != 0; }
    constexpr void Include(TSPISearchOption option) { bits_ = static_cast<std::uint8_t>(bits_ | Bit(option)); }
    constexpr void Exclude(TSPISearchOption option) { bits_ = static_cast<std::uint8_t>(bits_ & ~Bit(option)); }
    constexpr std::uint8_t Bits() const { return bits_; }
    constexpr bool Empty() const { return bits_ == 0; }
    friend constexpr bool operator==(TSPISearchOptions, TSPISearchOptions) = default;

private:
    static constexpr std::uint8_t Bit(TSPISearchOption option) { return static_cast<std::uint8_t>(1u << static_cast<unsigned>(option)); }
    std::uint8_t bits_ = 0;
};

// Accept starts true; a handler that sets it false refuses the plug-in (the wrapper is freed).
using TSPISearchEvent = std::function<void(TObject* Sender, TSPI* ASPI, bool& Accept)>;
// Accept starts true; false skips the file before it is loaded.
using TSPISearchingEvent = std::function<void(TObject* Sender, const std::string& FileName, bool& Accept)>;
// Sees each extension before it is registered; may change AGraphicClass (nullptr: not registered).
using TSPIPictureRegisterEvent = std::function<void(TObject* Sender, TInSPI* ASPI, const std::string& AExtension,
                                                    const std::string& ADescription, TGraphicClass& AGraphicClass)>;

// Byte offsets at which picture data may begin: at the start, and behind a 128-byte MacBinary header.
inline constexpr std::array<std::int32_t, 2> MacBinaryOffsets{0, 128};

class TSPIs : public TComponent {
    QUORVEL_CLASS_INFO(TSPIs)
public:
    // Raises ESPIDupCreateSPIs "TSPIs は複数生成できません" when an instance exists already (outside
    // design mode); the refused component leaves nothing behind.
    explicit TSPIs(TComponent* owner);
    ~TSPIs() override;

    // After the owner's loading: Search("*.spi") when AutoSearch (not in design mode).
    void Loaded() override;

    // Loads the plug-ins matching mask. A mask with a folder ("plugins/*.spi") searches that folder
    // alone; a bare mask searches the folders of SearchOptions in the order of TSPISearchOption.
    // ESPIInvalidAPI from a plug-in lacking a required entry point passes on and ends the search.
    void Search(const std::string& mask);
    void SearchFolder(const std::string& folder, const std::string& mask);

    // Take a wrapper over (also when they raise: a wrapper that can't be added is freed) and
    // register its extensions. Insert raises EListError for an index outside 0..Count before
    // anything is registered. When registering raises, the wrapper is taken out of the list again
    // and freed; the registrations already made for it stay.
    int Add(std::unique_ptr<TSPI> spi);
    void Insert(int index, std::unique_ptr<TSPI> spi);
    // Frees the wrapper (resetting GraphicForcedLoader when it names that wrapper). Registrations stay.
    void Delete(int index);
    void Remove(TSPI* spi);
    void Clear();
    int IndexOf(const TSPI* spi) const;
    // First wrapper whose SPIName equals name, ASCII case folded; -1 when none.
    int IndexOfSPIName(const std::string& name) const;
    void Exchange(int index1, int index2);
    int Count() const { return static_cast<int>(plugins_.size()); }
    // EListError outside 0..Count-1.
    TSPI* GetPlugins(int index) const;
    TSPI* Plugins(int index) const { return GetPlugins(index); }

    // Appends to list (items are TSPI*, not owned) the wrappers of the given classes (descendants
    // included) to try for fileName: those with an ExtNames entry whose extension (of the whole
    // entry, so the last pattern of a list) equals the file's, ASCII case folded, first and in the
    // reverse of their order here; then the others in their order here. The list isn't cleared.
    void FindPluginList(const std::vector<TSPIClass>& classes, const std::string& fileName, TList& list) const;

    // The graphic class under which image-input extensions are registered from now on.
    static void SetDefaultGraphic(TGraphicClass graphicClass);
    static TGraphicClass GetDefaultGraphic();

    bool MacBinary = true;          // also try the data behind a 128-byte MacBinary header
    bool GraphicPreview = false;    // ask for a plug-in's preview before the full picture
    TInSPI* GraphicForcedLoader = nullptr;  // when set, the only plug-in tried; not owned
    bool AutoSearch = true;
    TSPISearchOptions SearchOptions{TSPISearchOption::spsSusieDir, TSPISearchOption::spsAppDir};

    TSPISearchEvent OnSearch;
    TSPISearchingEvent OnSearching;
    TSPIPictureRegisterEvent OnPictureRegister;

private:
    bool Designing() const { return HasState(TComponentStateFlag::csDesigning); }
    void CheckIndex(int index, int limit) const;
    void RegisterExtensions(TInSPI& spi);
    void SearchSusieFolder(const std::string& mask);
    bool Listed(const std::string& fileName) const;
    // A wrapper about to be freed must not stay the forced loader.
    void ForgetForcedLoader(const TSPI* spi);

    std::vector<std::unique_ptr<TSPI>> plugins_;
};

// The registry component of the process, or nullptr.
TSPIs* SusiePlugins();
