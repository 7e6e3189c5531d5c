#include "platform/controls/Component.h"

#include <algorithm>

#include "platform/core/Exceptions.h"
#include "platform/core/SysUtils.h"

QUORVEL_DEFINE_CLASS_INFO(TComponent, TPersistent)

TComponent::TComponent(TComponent* owner)
{
    if (owner != nullptr)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    SetState(TComponentStateFlag::csDestroying, true);
    // Those that asked to be told drop their references before anything is torn down.
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        other->RemoveFreeNotification(this);
        other->Notification(this, TOperation::opRemove);
    }
    DestroyComponents();
    if (owner_ != nullptr)
        owner_->RemoveComponent(this);
}

void TComponent::SetName(const std::string& name)
{
    if (name == name_)
        return;
    if (!name.empty() && owner_ != nullptr) {
        TComponent* same = owner_->FindComponent(name);
        if (same != nullptr && same != this)
            throw EComponentError(Format(Messages::DuplicateName, {name}));
    }
    name_ = name;
}

int TComponent::ComponentIndex() const
{
    if (owner_ == nullptr)
        return -1;
    const auto& list = owner_->components_;
    return static_cast<int>(std::find(list.begin(), list.end(), this) - list.begin());
}

TComponent* TComponent::FindComponent(const std::string& name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* component : components_)
        if (SameText(component->name_, name))
            return component;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (component == nullptr || component->owner_ == this)
        return;
    if (component->owner_ != nullptr)
        component->owner_->RemoveComponent(component);
    if (!component->name_.empty() && FindComponent(component->name_) != nullptr)
        throw EComponentError(Format(Messages::DuplicateName, {component->name_}));
    Insert(component);
    if (Loading())
        component->SetState(TComponentStateFlag::csLoading, true);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (component == nullptr || component->owner_ != this)
        return;
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::DestroyComponents()
{
    // A component may free others of this owner while it goes (a parent control its children),
    // so the list is read afresh each time.
    while (!components_.empty()) {
        TComponent* component = components_.back();
        Notification(component, TOperation::opRemove);
        Remove(component);
        delete component;
    }
}

void TComponent::SetState(TComponentStateFlag flag, bool on)
{
    const auto bit = static_cast<std::uint8_t>(flag);
    state_ = on ? static_cast<std::uint8_t>(state_ | bit) : static_cast<std::uint8_t>(state_ & ~bit);
}

void TComponent::Loaded()
{
    SetState(TComponentStateFlag::csLoading, false);
}

void TComponent::FreeNotification(TComponent* other)
{
    if (other == nullptr || other == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
        freeNotifies_.push_back(other);
    if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) == other->freeNotifies_.end())
        other->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* other)
{
    std::erase(freeNotifies_, other);
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove)
        RemoveFreeNotification(component);
    // Siblings hear about each other through their owner. Index-based: a handler may not add or
    // remove components, but the vector must not be walked by iterator while virtuals run.
    for (std::size_t i = 0; i < components_.size(); ++i)
        if (components_[i] != component)
            components_[i]->Notification(component, operation);
}

void TComponent::Insert(TComponent* component)
{
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component)
{
    std::erase(components_, component);
    component->owner_ = nullptr;
}
