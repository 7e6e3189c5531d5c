#pragma once
// A text painted by its parent. The caption is Caption (TControl); the layout gives the size.
#include "platform/controls/GraphicControl.h"

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TGraphicControl {
    QUORVEL_CLASS_INFO(TLabel)
public:
    explicit TLabel(TComponent* owner) : TGraphicControl(owner) {}

    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool value) { autoSize_ = value; }
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool value);
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment value);

private:
    bool autoSize_ = true;
    bool transparent_ = false;
    TAlignment alignment_ = TAlignment::taLeftJustify;
};
