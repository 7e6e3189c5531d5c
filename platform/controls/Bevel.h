#pragma once
// A frame or line painted by its parent; it takes no part in the mouse beyond covering what lies
// beneath it.
#include "platform/controls/GraphicControl.h"

enum class TBevelShape { bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer };
enum class TBevelStyle { bsLowered, bsRaised };

class TBevel : public TGraphicControl {
    QUORVEL_CLASS_INFO(TBevel)
public:
    explicit TBevel(TComponent* owner) : TGraphicControl(owner) {}

    TBevelShape Shape() const { return shape_; }
    void SetShape(TBevelShape value);
    TBevelStyle Style() const { return style_; }
    void SetStyle(TBevelStyle value);

private:
    TBevelShape shape_ = TBevelShape::bsBox;
    TBevelStyle style_ = TBevelStyle::bsLowered;
};
