#include "platform/picture_scaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A picture whose every pixel is value(x, y) in all three colours, in rows padded as a
// bitmap's are (the padding 0xEE, so a write into it shows).
struct Picture {
    int width, height;
    std::vector<std::uint8_t> bytes;
    Picture(int w, int h, auto value) : width(w), height(h), bytes(rowBytes(w) * h, 0xEE) {
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 3; ++c)
                    at(x, y, c) = static_cast<std::uint8_t>(value(x, y));
    }
    std::uint8_t& at(int x, int y, int c = 0) { return bytes[y * rowBytes(width) + x * 3 + c]; }
    Picture scaled(int w, int h) {
        Picture to(w, h, [](int, int) { return 0; });
        scalePixels({width, height, rowBytes(width), bytes.data()},
                    {w, h, rowBytes(w), to.bytes.data()});
        return to;
    }
};

} // namespace

// A uniform picture stays uniform at any size with its padding untouched; halving averages
// each two-by-two block, doubling repeats no pixel.
TEST(PictureScaling, KeepsUniformUniformHalvesByAveragingAndDoublesWithoutRepeating) {
    const auto grey = [](int, int) { return 201; };
    for (const auto& [width, height] : {std::pair{97, 61}, {131, 70}, {11, 8}, {3, 2}, {1, 1}})
        EXPECT_EQ(Picture(width, height, grey).bytes,
                  Picture(97, 61, grey).scaled(width, height).bytes)
            << width << "x" << height;

    Picture half = Picture(4, 2, [](int x, int y) { return 10 * x + 100 * y; }).scaled(2, 1);
    EXPECT_EQ(half.at(0, 0), 55); // (0 + 10 + 100 + 110) / 4
    EXPECT_EQ(half.at(1, 0), 75); // (20 + 30 + 120 + 130) / 4

    Picture doubled = Picture(4, 1, [](int x, int) { return 40 * x; }).scaled(8, 2);
    for (int x = 1; x < 8; ++x)
        EXPECT_LT(doubled.at(x - 1, 1), doubled.at(x, 1)) << x;
    EXPECT_EQ(doubled.at(0, 1), 0);
    EXPECT_EQ(doubled.at(7, 1), 120);
}
