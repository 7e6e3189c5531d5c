#pragma once
// A picture holds at most one graphic of any class. Its format registry maps file extensions (and
// clipboard formats) to graphic classes: "bmp", "ico", "wmf" and "emf" are built in; later
// registrations win; extensions are compared without their dot, ASCII case folded.
#include <memory>
#include <string>
#include <vector>

#include "platform/graphics/Bitmap.h"
#include "platform/graphics/Graphic.h"

class TIcon;
class TMetafile;

struct TFileFormat {
    std::string Extension;    // without dot, as registered
    std::string Description;
    TGraphicClass GraphicClass;
};

class TPicture : public TPersistent {
    QUORVEL_CLASS_INFO(TPicture)
public:
    TPicture();
    ~TPicture() override;
    TPicture(const TPicture&) = delete;  // the graphic reports its changes to this object
    TPicture& operator=(const TPicture&) = delete;

    TGraphic* Graphic() const { return graphic_.get(); }
    // Holds a copy of graphic (a new graphic of its class, assigned from it); nullptr empties.
    void SetGraphic(TGraphic* graphic);
    // Takes graphic over without copying.
    void TakeGraphic(std::unique_ptr<TGraphic> graphic);
    // The graphic as a bitmap: a picture holding another kind (or none) first gets a new empty bitmap.
    TBitmap* Bitmap();
    std::int32_t Width() const;
    std::int32_t Height() const;

    // Creates a graphic of the class registered for the file's extension, hands it the picture's
    // progress relay and loads the file into it; EInvalidGraphic "拡張子 .%s の画像形式は処理できません"
    // (the extension without its dot, empty for a name without one) when no class claims it. The
    // picture is unchanged when loading fails.
    void LoadFromFile(const std::string& fileName);
    // Writes the graphic; an empty picture writes nothing.
    void SaveToFile(const std::string& fileName);
    // A new graphic of the class registered for the format loads the data, then replaces the
    // picture's graphic; EInvalidGraphic "サポートされていないクリップボード形式です" for an unknown
    // format. The picture is unchanged when loading fails.
    void LoadFromClipboardFormat(std::uint16_t format, const std::vector<std::uint8_t>& data, HPALETTE palette);
    // The graphic's own clipboard data; an empty picture leaves the arguments as they are.
    void SaveToClipboardFormat(std::uint16_t& format, std::vector<std::uint8_t>& data, HPALETTE& palette);
    static bool SupportsClipboardFormat(std::uint16_t format);

    // From a picture (a copy of its graphic), a graphic (a copy of it) or nullptr (empties).
    void Assign(const TPersistent* source) override;

    static void RegisterFileFormat(const std::string& extension, const std::string& description,
                                   TGraphicClass graphicClass);
    static void RegisterClipboardFormat(std::uint16_t format, TGraphicClass graphicClass);
    // Removes every file and clipboard entry registered with that class or a descendant of it.
    static void UnregisterGraphicClass(TGraphicClass graphicClass);
    // The class registered for an extension (with or without its dot); nullptr when none.
    static TGraphicClass FileFormatClass(const std::string& extension);
    // The file formats, newest registration first, as the picture dialogs list them.
    static std::vector<TFileFormat> FileFormats();

    // Called when the graphic is replaced or reports a change of its own.
    TNotifyEvent OnChange;
    // Receives the progress reports of the graphic, with the graphic as sender.
    TProgressEvent OnProgress;

protected:
    // Lets a graphic take this picture's graphic (TBitmap::Assign(picture)).
    void AssignTo(TPersistent* dest) const override;

private:
    void Changed(TObject* sender);
    // A graphic's OnProgress that passes its reports on to this picture's OnProgress.
    TProgressEvent ProgressRelay();
    // Hooks the graphic's events to this picture and makes it the picture's graphic.
    void Attach(std::unique_ptr<TGraphic> graphic);
    void HookEvents(TGraphic& graphic);

    std::unique_ptr<TGraphic> graphic_;
};
