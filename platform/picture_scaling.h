#pragma once
// Pictures drawn at another size by the program itself, the same on every system: the
// halftone stretch of older systems (and of Wine) is slow for a picture the size of the splash.

#include <cstdint>
#include <vector>

// A picture as rows of four-byte pixels (blue, green, red, unused), top row first.
struct Pixels {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bytes; // width * height * 4
};

// The picture at the given size, smooth: each pixel made smaller is the average of the area it
// covers, each pixel made larger is interpolated between its neighbours, so no pixel is ever
// repeated. The same size gives the same picture.
Pixels scalePixels(const Pixels& picture, int width, int height);
