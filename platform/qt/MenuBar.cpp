#include "platform/qt/MenuBar.h"

#include <QTimer>

#include "platform/controls/HostInput.h"
#include "platform/qt/QtConvert.h"

namespace {

std::vector<TMenuItem*> ChildrenOf(const TMenuItem& item)
{
    std::vector<TMenuItem*> children;
    for (int i = 0; i < item.Count(); ++i)
        children.push_back(item.Items(i));
    return children;
}

bool Contains(const TMenuItem& parent, const TMenuItem* item)
{
    for (int i = 0; i < parent.Count(); ++i)
        if (parent.Items(i) == item || Contains(*parent.Items(i), item))
            return true;
    return false;
}

}  // namespace

void TQtMenuBar::Show(TMainMenu* menu)
{
    menu_ = menu;
    Rebuild();
}

void TQtMenuBar::Forget()
{
    menu_ = nullptr;
    Clear();
}

QAction* TQtMenuBar::ActionOf(const TMenuItem* item) const
{
    auto it = shown_.find(item);
    return it == shown_.end() ? nullptr : it->second.Action.data();
}

void TQtMenuBar::Clear()
{
    shown_.clear();
    bar_.clear();
    for (QPointer<QObject>& object : created_)
        if (object != nullptr)
            object->deleteLater();
    created_.clear();
}

void TQtMenuBar::Rebuild()
{
    rebuildPending_ = false;
    Clear();
    if (menu_ != nullptr)
        AddItems(bar_, *menu_->Items());
    bar_.setVisible(!bar_.actions().isEmpty());
}

void TQtMenuBar::RebuildLater()
{
    if (rebuildPending_)
        return;
    rebuildPending_ = true;
    QTimer::singleShot(0, &bar_, [this] {
        if (rebuildPending_)
            Rebuild();
    });
}

void TQtMenuBar::AddItems(QWidget& container, TMenuItem& parent)
{
    shown_[&parent].Children = ChildrenOf(parent);
    for (TMenuItem* item : ChildrenOf(parent)) {
        TShownItem& entry = shown_[item];
        entry.Line = item->IsLine();
        entry.Children = ChildrenOf(*item);
        QAction* action = nullptr;
        if (item->IsLine()) {
            action = new QAction(&container);
            action->setSeparator(true);
        } else if (item->Count() > 0) {
            auto* menu = new QMenu(ToQString(item->Caption()), &container);
            created_.emplace_back(menu);
            AddItems(*menu, *item);
            action = menu->menuAction();
        } else {
            action = new QAction(&container);
            QObject::connect(action, &QAction::triggered, &bar_, [this, item] { Triggered(item); });
        }
        if (action->parent() == &container)
            created_.emplace_back(action);
        UpdateAction(*action, *item);
        container.addAction(action);
        entry.Action = action;
    }
}

void TQtMenuBar::UpdateAction(QAction& action, const TMenuItem& item)
{
    if (!item.IsLine()) {
        action.setText(ToQString(item.Caption()));  // "&" marks the mnemonic in both worlds
        action.setEnabled(item.Enabled());
        action.setCheckable(item.Checked());
        action.setChecked(item.Checked());
    }
    action.setVisible(item.Visible());
}

void TQtMenuBar::ItemChanged(TMenuItem& item)
{
    auto it = shown_.find(&item);
    const bool root = menu_ != nullptr && &item == menu_->Items();
    const bool shownAsMenu = it != shown_.end() && it->second.Action != nullptr && it->second.Action->menu() != nullptr;
    if (it == shown_.end() || it->second.Line != item.IsLine() || it->second.Children != ChildrenOf(item) ||
        (!root && (item.Count() > 0) != shownAsMenu)) {
        RebuildLater();
        return;
    }
    if (it->second.Action != nullptr)
        UpdateAction(*it->second.Action, item);
}

bool TQtMenuBar::InMenu(const TMenuItem* item) const
{
    return menu_ != nullptr && Contains(*menu_->Items(), item);
}

void TQtMenuBar::Triggered(TMenuItem* item)
{
    if (InMenu(item))
        HostMenuClick(*item);
}
