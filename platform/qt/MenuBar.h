#pragma once
// The menu bar of a form, built from its main menu: one Qt menu per item that has sub-items, a
// separator for "-", an action for every other item that runs the item's Click. A change of an
// item's caption or state is shown in place; a change of the tree rebuilds the bar once control
// is back in the event loop (never under the action being triggered).
#include <unordered_map>
#include <vector>

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include "platform/controls/Menus.h"

class TQtMenuBar {
public:
    explicit TQtMenuBar(QMenuBar& bar) : bar_(bar) {}
    ~TQtMenuBar() { Clear(); }
    TQtMenuBar(const TQtMenuBar&) = delete;
    TQtMenuBar& operator=(const TQtMenuBar&) = delete;

    // Builds the bar from menu (nullptr: an empty bar). The bar shows only while it has items.
    void Show(TMainMenu* menu);
    void ItemChanged(TMenuItem& item);
    // The menu is being freed: forget it.
    void Forget();
    TMainMenu* Menu() const { return menu_; }
    // The action standing for an item; nullptr when the bar doesn't show it (tests use it).
    QAction* ActionOf(const TMenuItem* item) const;

private:
    struct TShownItem {
        QPointer<QAction> Action;
        std::vector<TMenuItem*> Children;
        bool Line = false;
    };

    void Clear();
    void Rebuild();
    void RebuildLater();
    void AddItems(QWidget& container, TMenuItem& parent);
    void UpdateAction(QAction& action, const TMenuItem& item);
    // True when item still belongs to the menu shown (it may have been freed since).
    bool InMenu(const TMenuItem* item) const;
    void Triggered(TMenuItem* item);

    QMenuBar& bar_;
    TMainMenu* menu_ = nullptr;
    std::unordered_map<const TMenuItem*, TShownItem> shown_;
    std::vector<QPointer<QObject>> created_;  // menus and actions of the bar shown
    bool rebuildPending_ = false;
};
