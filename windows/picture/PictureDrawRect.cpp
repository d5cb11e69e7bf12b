#include "PictureDrawRect.h"

#include <cmath>

namespace {

// Pascal's Trunc: the fraction dropped toward zero.
int Trunc(double value)
{
    return static_cast<int>(std::trunc(value));
}

} // namespace

PictureRect PictureDrawRect(int w, int h, int W, int H, bool Stretch, bool Proportional, bool Center)
{
    int width = w;
    int height = h;

    if (Stretch || (Proportional && (w > W || h > H))) {
        if (Proportional && w > 0 && h > 0) {
            const double aspect = static_cast<double>(w) / static_cast<double>(h);
            if (w > h) {
                width = W;
                height = Trunc(W / aspect);
                if (height > H) {
                    height = H;
                    width = Trunc(H * aspect);
                }
            } else {
                height = H;
                width = Trunc(H * aspect);
                if (width > W) {
                    width = W;
                    height = Trunc(W / aspect);
                }
            }
        } else {
            width = W;
            height = H;
        }
    }

    PictureRect rect{0, 0, width, height};
    if (Center) {
        // C++ division truncates toward zero, as Pascal's div does.
        rect.left += (W - width) / 2;
        rect.top += (H - height) / 2;
    }
    return rect;
}
