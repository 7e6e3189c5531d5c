#pragma once
// The top-level window of one form: the menu bar over the form's client area, and one widget per
// windowed control under it. The window is the view of every control of the form and of its main
// menu: each change report goes to the widget that shows it (a control without a window is painted
// by its parent's widget), so a change repaints only what it touched.
#include <unordered_map>
#include <unordered_set>

#include <QMenuBar>
#include <QVBoxLayout>
#include <QWidget>

#include "platform/controls/Form.h"
#include "platform/controls/View.h"
#include "platform/qt/ControlWidget.h"
#include "platform/qt/MenuBar.h"

// True when the user may resize the form's window (and so its client area).
bool IsSizeable(const TForm& form);

class TQtFormWindow : public QWidget, public IControlView {
public:
    explicit TQtFormWindow(TForm& form);
    ~TQtFormWindow() override;

    // The window of a form; nullptr when it has none.
    static TQtFormWindow* Find(const TForm* form);
    // The window that holds control (its form's); nullptr when none.
    static TQtFormWindow* WindowOf(const TControl* control);

    // nullptr once the form has been freed.
    TForm* Form() const { return form_; }
    // The widget showing control; nullptr when none.
    QWidget* WidgetOf(const TControl* control) const;
    TQtMenuBar& MenuBar() { return menu_; }

    void Changed(TComponent& source, TViewChange change) override;
    void Destroyed(TComponent& source) override;

    // A control widget is being deleted.
    void WidgetGone(TQtControlWidget& widget);

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    TQtControlWidget* Build(TWinControl& control, QWidget& parent);
    TQtControlWidget* Find(const TComponent* control) const;
    void Attach(TComponent& component);
    // Brings the widgets of control's windowed children in line with the model: creates missing
    // ones, moves them to this parent, restacks them; attaches the graphic children.
    void SyncChildren(TWinControl& control);
    void FormChanged(TViewChange change);
    void ShowMenu();
    void ApplyWindowLooks();
    void ApplyVisible();
    void Place();
    void ApplyTabOrder();
    void ApplyFocus();
    void DetachAll();

    TForm* form_;
    QVBoxLayout* layout_;
    QMenuBar* menuBar_;
    TQtMenuBar menu_;
    TQtControlWidget* client_ = nullptr;
    std::unordered_map<const TComponent*, TQtControlWidget*> widgets_;
    std::unordered_set<TComponent*> attached_;  // components whose view this window is
    bool placed_ = false;
    bool closing_ = false;  // the window itself is being deleted
};
