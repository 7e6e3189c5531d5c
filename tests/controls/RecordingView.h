#pragma once
// A view that records what the model reports, for tests of the model/host seam.
#include <algorithm>
#include <utility>
#include <vector>

#include "platform/controls/View.h"

class TRecordingView : public IControlView {
public:
    void Changed(TComponent& source, TViewChange change) override { Changes.emplace_back(&source, change); }
    void Destroyed(TComponent& source) override { DestroyedSources.push_back(&source); }

    int Count(const TComponent* source, TViewChange change) const
    {
        return static_cast<int>(std::count(Changes.begin(), Changes.end(),
                                           std::pair<TComponent*, TViewChange>(const_cast<TComponent*>(source), change)));
    }

    std::vector<std::pair<TComponent*, TViewChange>> Changes;
    std::vector<TComponent*> DestroyedSources;
};
