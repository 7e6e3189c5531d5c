#pragma once
// A push button: a click (mouse or keyboard) runs the model's Click.
#include <QPushButton>

#include "platform/controls/Button.h"
#include "platform/qt/ControlWidget.h"

class TQtButtonWidget : public TQtWindowedWidget<QPushButton> {
public:
    TQtButtonWidget(TQtFormWindow& window, TButton& button, QWidget* parent);

    void Refresh() override;
    void ControlChanged(TViewChange change) override;

protected:
    void focusInEvent(QFocusEvent* event) override;

private:
    TButton* Button() const { return static_cast<TButton*>(control_); }
};
