#pragma once
// A picture in a window of the picture's own size, or of the size of the picture it stands in
// for. The image keeps its own picture, copied from or exchanged with the bitmaps it is given, and
// draws from it; drawing on Picture() changes what it shows.
#include <functional>

#include "toolkit/MemoryBitmap.h"
#include "toolkit/Window.h"

namespace tk {

enum class MouseButton { Left, Right, Middle };

class Image : public Window {
public:
    void Create(HWND parent);

    // Copies bitmap, takes its size and shows it.
    void SetPicture(const MemoryBitmap& bitmap);
    // Shows bitmap's pixels without copying them: the image and bitmap exchange pictures, so that
    // bitmap then holds the picture shown before.
    void TakePicture(MemoryBitmap& bitmap);
    // As TakePicture, for a picture that stands in while one of width x height is made: the window
    // takes that size, so that its parent sees no change when that picture comes, and beyond the
    // stand-in shows its parent's background and leaves the mouse to the parent.
    void TakeStandIn(MemoryBitmap& bitmap, int width, int height);
    MemoryBitmap& Picture() { return picture_; }
    const MemoryBitmap& Picture() const { return picture_; }

    // Button and position in the picture. A double-click reports onDblClick, then the second
    // press as onMouseDown.
    std::function<void(MouseButton, int x, int y)> onMouseDown;
    std::function<void(MouseButton, int x, int y)> onMouseUp;
    std::function<void()> onDblClick;
    // Runs after the image took a new size.
    std::function<void()> onResize;

protected:
    LRESULT HandleMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

private:
    // Takes the size and has the uncovered and newly covered parts painted; the same size has
    // only the image painted again.
    void PictureChanged(int width, int height);
    void Paint();

    MemoryBitmap picture_;
};

}  // namespace tk
