#pragma once
// A control without a window: painted by its parent, reached by the mouse through it.
#include "platform/controls/Control.h"

class TGraphicControl : public TControl {
    QUORVEL_CLASS_INFO(TGraphicControl)
public:
    explicit TGraphicControl(TComponent* owner) : TControl(owner) {}
};
