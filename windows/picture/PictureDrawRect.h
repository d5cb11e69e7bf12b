#pragma once

// Where a picture control draws a picture of w x h pixels inside its box of
// W x H, in the control's own coordinates.
struct PictureRect {
    int left;
    int top;
    int width;
    int height;

    friend bool operator==(const PictureRect&, const PictureRect&) = default;
};

// Natural size; with Stretch, or with Proportional and a picture larger than
// the box, scaled to the box (Proportional keeps the aspect, truncating);
// Center moves the rectangle by half the free space, truncating toward zero.
PictureRect PictureDrawRect(int w, int h, int W, int H, bool Stretch, bool Proportional, bool Center);
