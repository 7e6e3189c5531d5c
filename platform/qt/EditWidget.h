#pragma once
// A one-line text box. What the user types goes to the model as the whole new text, which applies
// the length limit and answers with the text the box holds; the box shows that answer. Up and Down
// go to the model first (an attached up-down steps). Texts the program sets are shown without
// being reported back.
#include <QLineEdit>

#include "platform/controls/Edit.h"
#include "platform/qt/ControlWidget.h"

class TQtEditWidget : public TQtWindowedWidget<QLineEdit> {
public:
    TQtEditWidget(TQtFormWindow& window, TEdit& edit, QWidget* parent);

    void Refresh() override;
    void ControlChanged(TViewChange change) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    TEdit* Edit() const { return static_cast<TEdit*>(control_); }
    void UserEdited(const QString& text);
    void ShowModelText();

    bool typing_ = false;  // the model is taking the user's text: show its answer afterwards
};
