#include "platform/graphics/Graphic.h"

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

TGraphicClass TGraphic::StaticGraphicClass()
{
    // Abstract: no virtual constructor.
    static const TGraphicClassInfo info{{"TGraphic", &TPersistent::StaticClassInfo()}, nullptr};
    return &info;
}

TGraphicClass GraphicClassParent(TGraphicClass graphicClass)
{
    if (graphicClass == nullptr || graphicClass->Parent == nullptr)
        return nullptr;
    // Every class below TGraphic is declared with a graphic parent, so its parent's information
    // is a TGraphicClassInfo; TGraphic's own parent (TPersistent) is not.
    if (!ClassInheritsFrom(graphicClass->Parent, TGraphic::StaticClassInfo()))
        return nullptr;
    return static_cast<TGraphicClass>(graphicClass->Parent);
}

std::unique_ptr<TGraphic> CreateGraphic(TGraphicClass graphicClass)
{
    if (graphicClass == nullptr || graphicClass->Create == nullptr)
        throw EInvalidGraphicOperation(Format("%s のインスタンスは作成できません",
                                              {std::string(graphicClass != nullptr ? graphicClass->Name : "nil")}));
    return std::unique_ptr<TGraphic>(graphicClass->Create());
}

void TGraphic::SetTransparent(bool value)
{
    if (value == transparent_)
        return;
    transparent_ = value;
    Changed(this);
}

void TGraphic::LoadFromFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmOpenRead | fmShareDenyWrite);
    LoadFromStream(stream);
}

void TGraphic::SaveToFile(const std::string& fileName)
{
    TFileStream stream(fileName, fmCreate);
    SaveToStream(stream);
}

void TGraphic::SetModified(bool value)
{
    if (value)
        Changed(this);
    else
        modified_ = false;
}

void TGraphic::Progress(TObject* sender, TProgressStage stage, std::uint8_t percentDone, bool redrawNow,
                        const TRect& rect, const std::string& message)
{
    if (OnProgress)
        OnProgress(sender, stage, percentDone, redrawNow, rect, message);
}

void TGraphic::Changed(TObject*)
{
    modified_ = true;
    if (OnChange)
        OnChange(this);
}
