#pragma once
// Components: named objects owned by another component, freed with their owner. A component being
// created from a form's layout carries csLoading until Loaded runs, once everything is in place.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/Object.h"

enum class TComponentStateFlag : std::uint8_t { csLoading = 1, csReading = 2, csDestroying = 4, csDesigning = 8 };

enum class TOperation { opInsert, opRemove };

class TComponent : public TPersistent {
    QUORVEL_CLASS_INFO(TComponent)
public:
    // Owner takes the component over and frees it with itself; nullptr makes a free-standing one.
    // A component created while its owner is loading starts loading too.
    explicit TComponent(TComponent* owner);
    ~TComponent() override;
    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    // Names are unique among the components of one owner (compared ignoring ASCII case);
    // a clash raises EComponentError. An empty name is always allowed.
    void SetName(const std::string& name);
    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const { return components_.at(static_cast<std::size_t>(index)); }
    int ComponentIndex() const;  // position in the owner's list, -1 without owner
    // The owned component of that name (ASCII case ignored); nullptr when none.
    TComponent* FindComponent(const std::string& name) const;
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees the owned components, the newest first.
    void DestroyComponents();

    std::intptr_t Tag = 0;

    bool HasState(TComponentStateFlag flag) const { return (state_ & static_cast<std::uint8_t>(flag)) != 0; }
    void SetState(TComponentStateFlag flag, bool on);
    bool Loading() const { return HasState(TComponentStateFlag::csLoading); }
    bool Destroying() const { return HasState(TComponentStateFlag::csDestroying); }

    // Runs after the layout has set every property of every component of the owner: clears
    // csLoading. Descendants that act once their settings are known override it and call it first.
    virtual void Loaded();

    // Asks for a Notification(this component, opRemove) on other when this one is freed, and the
    // other way round; needed for references between components of different owners.
    void FreeNotification(TComponent* other);
    void RemoveFreeNotification(TComponent* other);

protected:
    // Told when a component is inserted into or removed from the owner, or when a component this
    // one asked FreeNotification for is freed. Descendants that keep references to other components
    // drop them here; the base passes owner notifications on to every owned component.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);

    TComponent* owner_ = nullptr;
    std::string name_;
    std::vector<TComponent*> components_;     // owned, in creation order
    std::vector<TComponent*> freeNotifies_;   // told when this one is freed
    std::uint8_t state_ = 0;
};
