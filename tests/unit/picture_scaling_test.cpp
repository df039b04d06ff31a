#include "platform/picture_scaling.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A picture with its bytes, in rows padded as a bitmap's are.
struct Picture {
    std::vector<std::uint8_t> bytes;
    PixelRows rows;
    Picture(int width, int height)
        : bytes(rowBytes(width) * static_cast<std::size_t>(height), 0xEE), rows{width, height,
                                                                                rowBytes(width),
                                                                                bytes.data()} {}
    std::uint8_t& at(int x, int y, int c = 0) {
        return bytes[static_cast<std::size_t>(y) * rows.stride + static_cast<std::size_t>(x) * 3 +
                     static_cast<std::size_t>(c)];
    }
};

// A picture whose every pixel is value(x, y) in all three colours.
template <typename Value> Picture pictureOf(int width, int height, Value value) {
    Picture picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 3; ++c)
                picture.at(x, y, c) = static_cast<std::uint8_t>(value(x, y));
    return picture;
}

Picture scaled(const Picture& from, int width, int height) {
    Picture to(width, height);
    scalePixels(from.rows, to.rows);
    return to;
}

TEST(PictureScaling, KeepsAUniformPictureUniformAtAnySize) {
    const Picture grey = pictureOf(7, 5, [](int, int) { return 201; });
    for (const auto& [width, height] : {std::pair{7, 5}, {11, 8}, {3, 2}, {1, 1}}) {
        Picture picture = scaled(grey, width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                for (int c = 0; c < 3; ++c)
                    EXPECT_EQ(picture.at(x, y, c), 201);
        // The rows' padding is left alone.
        EXPECT_EQ(picture.bytes[rowBytes(width) - 1], 0xEE);
    }
}

TEST(PictureScaling, HalvesByAveragingEachTwoByTwoBlock) {
    const Picture picture = pictureOf(4, 2, [](int x, int y) { return 10 * x + 100 * y; });
    Picture half = scaled(picture, 2, 1);
    EXPECT_EQ(half.at(0, 0), 55); // (0 + 10 + 100 + 110) / 4
    EXPECT_EQ(half.at(1, 0), 75); // (20 + 30 + 120 + 130) / 4
}

TEST(PictureScaling, DoublesWithoutRepeatingAPixel) {
    const Picture ramp = pictureOf(4, 1, [](int x, int) { return 40 * x; });
    Picture doubled = scaled(ramp, 8, 2);
    for (int x = 1; x < 8; ++x)
        EXPECT_LT(doubled.at(x - 1, 1), doubled.at(x, 1)) << x;
    EXPECT_EQ(doubled.at(0, 1), 0);
    EXPECT_EQ(doubled.at(7, 1), 120);
}

} // namespace
