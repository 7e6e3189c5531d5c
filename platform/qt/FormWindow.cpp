#include "platform/qt/FormWindow.h"

#include <vector>

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QScreen>

#include "platform/controls/Application.h"
#include "platform/controls/Button.h"
#include "platform/controls/Edit.h"
#include "platform/controls/HostInput.h"
#include "platform/controls/PageControl.h"
#include "platform/controls/UpDown.h"
#include "platform/qt/ButtonWidget.h"
#include "platform/qt/ContainerWidget.h"
#include "platform/qt/EditWidget.h"
#include "platform/qt/MouseInput.h"
#include "platform/qt/PageControlWidget.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/UpDownWidget.h"

namespace {

std::unordered_map<const TForm*, TQtFormWindow*>& Windows()
{
    static std::unordered_map<const TForm*, TQtFormWindow*> windows;
    return windows;
}

TQtControlWidget* CreateControlWidget(TQtFormWindow& window, TWinControl& control, QWidget& parent)
{
    if (auto* edit = dynamic_cast<TEdit*>(&control))
        return new TQtEditWidget(window, *edit, &parent);
    if (auto* upDown = dynamic_cast<TUpDown*>(&control))
        return new TQtUpDownWidget(window, *upDown, &parent);
    if (auto* button = dynamic_cast<TButton*>(&control))
        return new TQtButtonWidget(window, *button, &parent);
    if (auto* pageControl = dynamic_cast<TPageControl*>(&control))
        return new TQtPageControlWidget(window, *pageControl, &parent);
    return new TQtContainerWidget(window, control, &parent);
}

}  // namespace

bool IsSizeable(const TForm& form)
{
    return form.BorderStyle() == TFormBorderStyle::bsSizeable || form.BorderStyle() == TFormBorderStyle::bsSizeToolWin;
}

TQtFormWindow::TQtFormWindow(TForm& form)
    : QWidget(nullptr), form_(&form), layout_(new QVBoxLayout(this)), menuBar_(new QMenuBar(this)), menu_(*menuBar_)
{
    Windows()[&form] = this;
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setMenuBar(menuBar_);
    client_ = Build(form, *this);
    layout_->addWidget(&client_->Widget());
    ShowMenu();
    ApplyWindowLooks();
    ApplyTabOrder();
    ApplyVisible();
}

TQtFormWindow::~TQtFormWindow()
{
    if (form_ != nullptr) {
        Windows().erase(form_);
        for (TComponent* component : attached_) {
            if (auto* control = dynamic_cast<TControl*>(component))
                control->SetView(nullptr);
            else if (auto* menu = dynamic_cast<TMainMenu*>(component))
                menu->SetView(nullptr);
        }
    }
    // Delete the widgets while the maps they report to still exist.
    closing_ = true;
    if (client_ != nullptr)
        delete &client_->Widget();
}

TQtFormWindow* TQtFormWindow::Find(const TForm* form)
{
    auto it = Windows().find(form);
    return it == Windows().end() ? nullptr : it->second;
}

TQtFormWindow* TQtFormWindow::WindowOf(const TControl* control)
{
    return control == nullptr ? nullptr : Find(GetParentForm(control));
}

QWidget* TQtFormWindow::WidgetOf(const TControl* control) const
{
    TQtControlWidget* widget = Find(control);
    return widget == nullptr ? nullptr : &widget->Widget();
}

TQtControlWidget* TQtFormWindow::Find(const TComponent* control) const
{
    auto it = widgets_.find(control);
    return it == widgets_.end() ? nullptr : it->second;
}

void TQtFormWindow::Attach(TComponent& component)
{
    IControlView* previous = nullptr;
    if (auto* control = dynamic_cast<TControl*>(&component)) {
        previous = control->View();
        control->SetView(this);
    } else if (auto* menu = dynamic_cast<TMainMenu*>(&component)) {
        previous = menu->View();
        menu->SetView(this);
    }
    // Taken from another window (a control moved between forms): that one must forget it.
    if (auto* other = dynamic_cast<TQtFormWindow*>(previous); other != nullptr && other != this)
        other->attached_.erase(&component);
    attached_.insert(&component);
}

TQtControlWidget* TQtFormWindow::Build(TWinControl& control, QWidget& parent)
{
    TQtControlWidget* widget = CreateControlWidget(*this, control, parent);
    widgets_[&control] = widget;
    Attach(control);
    widget->Refresh();
    SyncChildren(control);
    return widget;
}

void TQtFormWindow::SyncChildren(TWinControl& control)
{
    TQtControlWidget* host = Find(&control);
    if (host == nullptr)
        return;
    QWidget& parent = host->Widget();
    for (int i = 0; i < control.ControlCount(); ++i) {
        TControl* child = control.Controls(i);
        if (!child->IsWindowed()) {
            if (!attached_.contains(child))
                Attach(*child);
            continue;
        }
        auto& windowed = static_cast<TWinControl&>(*child);
        TQtControlWidget* widget = Find(&windowed);
        if (widget == nullptr) {
            widget = Build(windowed, parent);
        } else if (widget->Widget().parentWidget() != &parent) {
            widget->Widget().setParent(&parent);
            widget->Refresh();
        }
        widget->Widget().raise();  // later children lie on top
    }
    // Widgets whose controls moved away from this parent (to none, or to one not shown here).
    for (QObject* object : parent.children())
        if (auto* widget = dynamic_cast<TQtControlWidget*>(object))
            if (widget->Control() != nullptr && widget->Control()->Parent() != &control)
                widget->Widget().hide();
    host->ChildrenChanged();
}

void TQtFormWindow::Changed(TComponent& source, TViewChange change)
{
    if (closing_ || form_ == nullptr || form_->Destroying())
        return;
    if (&source == form_)
        FormChanged(change);
    if (TQtControlWidget* widget = Find(&source)) {
        if (change == TViewChange::Children) {
            SyncChildren(*widget->Control());
            ApplyTabOrder();
        } else if (change == TViewChange::Focus) {
            ApplyFocus();
        } else if (&source != form_ || change != TViewChange::Visible) {
            widget->ControlChanged(change);
        }
        return;
    }
    if (auto* item = dynamic_cast<TMenuItem*>(&source)) {
        menu_.ItemChanged(*item);
        return;
    }
    auto* control = dynamic_cast<TControl*>(&source);
    if (control == nullptr || control->Parent() == nullptr)
        return;
    if (TQtControlWidget* parent = Find(control->Parent()))
        parent->GraphicChildChanged(*control, change);
}

void TQtFormWindow::Destroyed(TComponent& source)
{
    if (closing_)
        return;
    if (&source == form_) {
        DetachAll();
        Windows().erase(form_);
        form_ = nullptr;
        hide();
        deleteLater();
        return;
    }
    attached_.erase(&source);
    if (&source == menu_.Menu()) {
        menu_.Forget();
        return;
    }
    if (auto it = widgets_.find(&source); it != widgets_.end()) {
        TQtControlWidget* widget = it->second;
        widgets_.erase(it);
        widget->Detach();
        widget->Widget().deleteLater();
        return;
    }
    // A control without a window: its parent's widget drops what it kept for it.
    auto* control = dynamic_cast<TControl*>(&source);
    if (control == nullptr || control->Parent() == nullptr)
        return;
    if (TQtControlWidget* parent = Find(control->Parent())) {
        parent->GraphicChildGone(*control);
        parent->Widget().update(control->Left(), control->Top(), control->Width(), control->Height());
    }
}

void TQtFormWindow::WidgetGone(TQtControlWidget& widget)
{
    if (closing_)
        return;
    if (&widget == client_)
        client_ = nullptr;
    if (auto it = widgets_.find(widget.Control()); it != widgets_.end() && it->second == &widget)
        widgets_.erase(it);
}

void TQtFormWindow::DetachAll()
{
    for (auto& [control, widget] : widgets_)
        widget->Detach();
    widgets_.clear();
    attached_.clear();
    menu_.Forget();
}

void TQtFormWindow::FormChanged(TViewChange change)
{
    switch (change) {
    case TViewChange::Text: setWindowTitle(ToQString(form_->Caption())); break;
    case TViewChange::Visible: ApplyVisible(); break;
    case TViewChange::Menu: ShowMenu(); break;
    case TViewChange::Appearance: ApplyWindowLooks(); break;
    case TViewChange::AcceptFiles: setAcceptDrops(form_->AcceptsDroppedFiles()); break;
    case TViewChange::Bounds:
        if (placed_ && form_->Position() == TPosition::poDesigned)
            move(form_->Left(), form_->Top());
        break;
    default: break;
    }
}

void TQtFormWindow::ShowMenu()
{
    TMainMenu* menu = form_->Menu();
    if (menu != nullptr)
        Attach(*menu);
    menu_.Show(menu);
}

void TQtFormWindow::ApplyWindowLooks()
{
    const TForm& form = *form_;
    const std::uint8_t icons = form.BorderIcons();
    const bool sizeable = IsSizeable(form);
    Qt::WindowFlags flags = Qt::Window | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    if (icons & static_cast<std::uint8_t>(TBorderIcon::biSystemMenu))
        flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (form.BorderStyle() == TFormBorderStyle::bsDialog) {
        flags = (flags & ~Qt::WindowType_Mask) | Qt::Dialog;
    } else {
        if (icons & static_cast<std::uint8_t>(TBorderIcon::biMinimize))
            flags |= Qt::WindowMinimizeButtonHint;
        if ((icons & static_cast<std::uint8_t>(TBorderIcon::biMaximize)) && sizeable)
            flags |= Qt::WindowMaximizeButtonHint;
    }
    if (form.BorderStyle() == TFormBorderStyle::bsNone)
        flags |= Qt::FramelessWindowHint;
    if (flags != windowFlags()) {
        const bool shown = isVisible();
        setWindowFlags(flags);  // hides the window
        if (shown)
            show();
    }
    layout_->setSizeConstraint(sizeable ? QLayout::SetDefaultConstraint : QLayout::SetFixedSize);
    setWindowTitle(ToQString(form.Caption()));
    setAcceptDrops(form.AcceptsDroppedFiles());
}

void TQtFormWindow::ApplyVisible()
{
    if (!form_->Visible()) {
        hide();
        return;
    }
    if (!placed_)
        Place();
    show();
    raise();
    activateWindow();
    ApplyFocus();
}

void TQtFormWindow::Place()
{
    placed_ = true;
    adjustSize();
    QScreen* screen = QGuiApplication::primaryScreen();
    const QRect available = screen != nullptr ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    auto centreOn = [this](const QRect& area) { move(area.center() - QPoint(width() / 2, height() / 2)); };
    switch (form_->Position()) {
    case TPosition::poDesigned:
        move(form_->Left(), form_->Top());
        break;
    case TPosition::poScreenCenter:
    case TPosition::poDesktopCenter:
        centreOn(available);
        break;
    case TPosition::poMainFormCenter:
    case TPosition::poOwnerFormCenter: {
        TQtFormWindow* main = Find(Application->MainForm());
        centreOn(main != nullptr && main != this && main->isVisible() ? main->frameGeometry() : available);
        break;
    }
    default:
        break;  // the window manager's choice
    }
}

void TQtFormWindow::ApplyTabOrder()
{
    std::vector<TWinControl*> order;
    form_->GetTabOrderList(order);
    QWidget* previous = nullptr;
    for (TWinControl* control : order) {
        QWidget* widget = WidgetOf(control);
        if (widget == nullptr)
            continue;
        if (dynamic_cast<TEdit*>(control) != nullptr || dynamic_cast<TButton*>(control) != nullptr)
            widget->setFocusPolicy(control->TabStop() ? Qt::StrongFocus : Qt::ClickFocus);
        if ((widget->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        if (previous != nullptr)
            QWidget::setTabOrder(previous, widget);
        previous = widget;
    }
}

void TQtFormWindow::ApplyFocus()
{
    QWidget* widget = WidgetOf(form_->ActiveControl());
    if (widget != nullptr && isVisible() && !widget->hasFocus())
        widget->setFocus(Qt::OtherFocusReason);
}

void TQtFormWindow::closeEvent(QCloseEvent* event)
{
    // The model decides: it hides the form, ends the program, or refuses.
    event->ignore();
    if (form_ != nullptr)
        HostClose(*form_);
}

void TQtFormWindow::dragEnterEvent(QDragEnterEvent* event)
{
    if (TakesDrag(form_, event->mimeData()))
        event->acceptProposedAction();
}

void TQtFormWindow::dropEvent(QDropEvent* event)
{
    DeliverDrop(form_, *event);
}
