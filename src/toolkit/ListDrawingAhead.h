#pragma once
// Draws the items just outside a list's view off screen while the program is idle, so that what
// the list's drawing handler keeps for an item (such as its realised font) is ready when a key,
// the wheel or the scroll bar brings the item into view, and such a step only has to draw.
#include <optional>
#include <unordered_set>
#include <vector>

#include "toolkit/Application.h"
#include "toolkit/ListBox.h"
#include "toolkit/MemoryBitmap.h"

namespace tk {

class ListDrawingAhead : private IdleWork {
public:
    // The handler keeps what it needs for keptItems items at most: the items in view come first,
    // and up to a page below and a page above are drawn ahead within what they leave, those in
    // the direction of the last move first.
    ListDrawingAhead(ListBox& list, int keptItems);
    ~ListDrawingAhead();
    ListDrawingAhead(const ListDrawingAhead&) = delete;
    ListDrawingAhead& operator=(const ListDrawingAhead&) = delete;

private:
    struct View {
        int top;
        int count;
        int itemHeight;
        int width;
        int height;
        unsigned content;
        bool operator==(const View&) const = default;
    };

    bool DoIdlePiece() override;
    std::optional<View> CurrentView() const;
    void Plan(const View& view);

    ListBox& list_;
    int keptItems_;
    MemoryBitmap target_;
    std::optional<View> view_;
    // The items still to draw for the view, in order, and those drawn ahead or shown in view
    // since they came near it.
    std::vector<int> pending_;
    size_t next_ = 0;
    std::unordered_set<int> drawn_;
};

}  // namespace tk
