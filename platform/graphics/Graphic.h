#pragma once
// The abstract picture of the class library and its class references. A graphic class is reached
// through a TGraphicClass, which carries the virtual constructor, so the picture-format registry and
// the plug-in layer can create "a graphic of that class" without knowing it.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Object.h"
#include "platform/core/Streams.h"
#include "platform/graphics/Palette.h"
#include "platform/graphics/Types.h"

class TCanvas;
class TGraphic;

struct TGraphicClassInfo : TClassInfo {
    TGraphic* (*Create)();  // the virtual constructor; nullptr for an abstract class
};
using TGraphicClass = const TGraphicClassInfo*;

// The parent class of a graphic class (nullptr above TGraphic).
TGraphicClass GraphicClassParent(TGraphicClass graphicClass);
std::unique_ptr<TGraphic> CreateGraphic(TGraphicClass graphicClass);

#define QUORVEL_GRAPHIC_CLASS(ClassName_)                                              \
public:                                                                                \
    static TGraphicClass StaticGraphicClass();                                         \
    static const TClassInfo& StaticClassInfo() { return *StaticGraphicClass(); }       \
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }        \
    TGraphicClass GraphicClass() const override { return StaticGraphicClass(); }       \
                                                                                       \
private:

// In the .cpp: QUORVEL_DEFINE_GRAPHIC_CLASS(TBitmap, TGraphic, true)
#define QUORVEL_DEFINE_GRAPHIC_CLASS(ClassName_, Parent_, Creatable_)                    \
    TGraphicClass ClassName_::StaticGraphicClass()                                       \
    {                                                                                    \
        static const TGraphicClassInfo info{                                             \
            {#ClassName_, &Parent_::StaticClassInfo()},                                  \
            Creatable_ ? +[]() -> TGraphic* { return new ClassName_(); } : nullptr};     \
        return &info;                                                                    \
    }

enum class TProgressStage { psStarting, psRunning, psEnding };
using TProgressEvent = std::function<void(TObject* Sender, TProgressStage Stage, std::uint8_t PercentDone,
                                          bool RedrawNow, const TRect& R, const std::string& Msg)>;

// Clipboard formats the graphics exchange.
inline constexpr std::uint16_t CF_BITMAP = 2;
inline constexpr std::uint16_t CF_METAFILEPICT = 3;
inline constexpr std::uint16_t CF_DIB = 8;
inline constexpr std::uint16_t CF_PALETTE = 9;
inline constexpr std::uint16_t CF_ENHMETAFILE = 14;

class TGraphic : public TPersistent {
public:
    static TGraphicClass StaticGraphicClass();
    static const TClassInfo& StaticClassInfo() { return *StaticGraphicClass(); }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    virtual TGraphicClass GraphicClass() const { return StaticGraphicClass(); }

    virtual bool Empty() const = 0;
    virtual std::int32_t Width() const = 0;
    virtual std::int32_t Height() const = 0;
    virtual void SetWidth(std::int32_t value) = 0;
    virtual void SetHeight(std::int32_t value) = 0;
    // A palette handle still owned by the graphic; 0 when it has none.
    virtual HPALETTE Palette() const { return 0; }
    // Takes the handle over.
    virtual void SetPalette(HPALETTE) {}
    virtual bool Transparent() const { return transparent_; }
    virtual void SetTransparent(bool value);

    // Draws the picture into rect of the canvas (stretched to it).
    virtual void Draw(TCanvas& canvas, const TRect& rect) = 0;

    // Opens the file for reading with other writers shut out and reads it with LoadFromStream;
    // EFOpenError when it can't be opened.
    virtual void LoadFromFile(const std::string& fileName);
    // Creates (or replaces) the file and writes it with SaveToStream; EFCreateError on failure.
    virtual void SaveToFile(const std::string& fileName);
    virtual void LoadFromStream(TStream& stream) = 0;
    virtual void SaveToStream(TStream& stream) = 0;

    // Clipboard hooks: the data of a clipboard format as bytes (CF_DIB/CF_BITMAP: a packed DIB,
    // the BMP image without its 14-byte file header).
    virtual void LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data,
                                         HPALETTE palette) = 0;
    virtual void SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data,
                                       HPALETTE& palette) = 0;

    bool Modified() const { return modified_; }
    void SetModified(bool value);

    TNotifyEvent OnChange;
    TProgressEvent OnProgress;

    // The platform's progress report: calls OnProgress when assigned.
    void Progress(TObject* sender, TProgressStage stage, std::uint8_t percentDone, bool redrawNow,
                  const TRect& rect, const std::string& message);

protected:
    // Marks the graphic modified and calls OnChange when assigned.
    virtual void Changed(TObject* sender);

private:
    bool modified_ = false;
    bool transparent_ = false;
};
