#pragma once
// A picture in a window of the picture's own size. The image keeps its own picture, copied from
// or exchanged with the bitmaps it is given, and draws from it; drawing on Picture() changes what
// it shows.
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
    // Takes the picture's size and has the uncovered and newly covered parts painted.
    void PictureChanged();
    void Paint();

    MemoryBitmap picture_;
};

}  // namespace tk
