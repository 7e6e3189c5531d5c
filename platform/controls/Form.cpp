#include "platform/controls/Form.h"

#include <vector>

#include "platform/controls/Application.h"
#include "platform/controls/Menus.h"

QUORVEL_DEFINE_CLASS_INFO(TForm, TWinControl)

TForm::TForm(TComponent* owner) : TWinControl(owner)
{
    SetVisible(false);
}

TForm::~TForm()
{
    SetState(TComponentStateFlag::csDestroying, true);
    // Free the components while the whole form is still alive: their destructors may reach it.
    DestroyComponents();
}

void TForm::SetBorderStyle(TFormBorderStyle value)
{
    if (value == borderStyle_)
        return;
    borderStyle_ = value;
    NotifyView(TViewChange::Appearance);
}

void TForm::SetBorderIcons(std::uint8_t value)
{
    if (value == borderIcons_)
        return;
    borderIcons_ = value;
    NotifyView(TViewChange::Appearance);
}

void TForm::SetPosition(TPosition value)
{
    if (value == position_)
        return;
    position_ = value;
    NotifyView(TViewChange::Bounds);
}

void TForm::SetMenu(TMainMenu* menu)
{
    if (menu == menu_)
        return;
    if (menu_ != nullptr)
        menu_->RemoveFreeNotification(this);
    menu_ = menu;
    if (menu_ != nullptr)
        menu_->FreeNotification(this);
    NotifyView(TViewChange::Menu);
}

void TForm::SetActiveControl(TWinControl* control)
{
    if (control == activeControl_ || (control != nullptr && !ContainsControl(control)))
        return;
    activeControl_ = control;
    NotifyView(TViewChange::Focus);
}

void TForm::Close()
{
    if (!CloseQuery())
        return;
    TCloseAction action = TCloseAction::caHide;
    if (OnClose)
        OnClose(this, action);
    if (action == TCloseAction::caNone)
        return;
    if (Application != nullptr && Application->MainForm() == this)
        Application->Terminate();
    else
        Hide();  // caFree and caMinimize hide too: forms belong to their owner until it frees them
}

bool TForm::CloseQuery()
{
    bool canClose = true;
    if (OnCloseQuery)
        OnCloseQuery(this, canClose);
    return canClose;
}

void TForm::BeginLayout()
{
    SetState(TComponentStateFlag::csLoading, true);
}

void TForm::EndLayout()
{
    std::vector<TComponent*> loading{this};
    for (int i = 0; i < ComponentCount(); ++i)
        loading.push_back(Components(i));
    for (TComponent* component : loading)
        if (component->Loading())
            component->Loaded();
    DoCreate();
}

void TForm::DoCreate()
{
    RunGuarded(OnCreate);
}

void TForm::VisibleChanged()
{
    TWinControl::VisibleChanged();
    RunGuarded(Visible() ? OnShow : OnHide);
}

void TForm::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == menu_) {
        menu_ = nullptr;
        NotifyView(TViewChange::Menu);
    }
}

void TForm::DescendantRemoved(TControl* control)
{
    TWinControl::DescendantRemoved(control);
    if (activeControl_ != nullptr &&
        (activeControl_ == control || (control->IsWindowed() &&
                                       static_cast<TWinControl*>(control)->ContainsControl(activeControl_)))) {
        activeControl_ = nullptr;
        NotifyView(TViewChange::Focus);
    }
}

void TForm::RunGuarded(const TNotifyEvent& event)
{
    if (!event)
        return;
    if (Application != nullptr)
        Application->Guard([&] { event(this); });
    else
        event(this);
}

TForm* GetParentForm(const TControl* control)
{
    while (control != nullptr && control->Parent() != nullptr)
        control = control->Parent();
    return control == nullptr ? nullptr : dynamic_cast<TForm*>(const_cast<TControl*>(control));
}
