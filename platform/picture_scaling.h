#pragma once
// Pictures drawn at another size by the program itself, the same on every system: the
// halftone stretch of older systems (and of Wine) is slow for a picture the size of the splash.

#include <cstddef>
#include <cstdint>

// A picture in memory, as a 24-bit bitmap holds it: rows of three-byte pixels (blue, green,
// red), top row first, each row `stride` bytes after the one before.
struct PixelRows {
    int width = 0;
    int height = 0;
    std::size_t stride = 0;
    std::uint8_t* bytes = nullptr;
};

// The bytes a row of a 24-bit bitmap takes: whole pixels, padded to four bytes.
constexpr std::size_t rowBytes(int width) {
    return (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
}

// Draws the picture into `to` at to's size, smooth: each pixel made smaller is the average of
// the area it covers, each pixel made larger is interpolated between its neighbours, so no
// pixel is ever repeated. The same size gives the same picture.
void scalePixels(const PixelRows& from, const PixelRows& to);
