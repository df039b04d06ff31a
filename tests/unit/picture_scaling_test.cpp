#include "platform/picture_scaling.h"

#include <gtest/gtest.h>

namespace {

// A picture whose every pixel is value(x, y) in all four bytes.
template <typename Value> Pixels pictureOf(int width, int height, Value value) {
    Pixels picture{width, height, {}};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int c = 0; c < 4; ++c)
                picture.bytes.push_back(static_cast<std::uint8_t>(value(x, y)));
    return picture;
}

int at(const Pixels& picture, int x, int y) {
    return picture.bytes[static_cast<std::size_t>((y * picture.width + x) * 4)];
}

TEST(PictureScaling, KeepsAUniformPictureUniformAtAnySize) {
    const Pixels grey = pictureOf(7, 5, [](int, int) { return 201; });
    for (const auto& [width, height] : {std::pair{7, 5}, {11, 8}, {3, 2}, {1, 1}}) {
        const Pixels scaled = scalePixels(grey, width, height);
        ASSERT_EQ(scaled.bytes.size(), static_cast<std::size_t>(width * height * 4));
        for (std::uint8_t byte : scaled.bytes)
            EXPECT_EQ(byte, 201);
    }
}

TEST(PictureScaling, HalvesByAveragingEachTwoByTwoBlock) {
    const Pixels picture = pictureOf(4, 2, [](int x, int y) { return 10 * x + 100 * y; });
    const Pixels half = scalePixels(picture, 2, 1);
    EXPECT_EQ(at(half, 0, 0), 55); // (0 + 10 + 100 + 110) / 4
    EXPECT_EQ(at(half, 1, 0), 75); // (20 + 30 + 120 + 130) / 4
}

TEST(PictureScaling, DoublesWithoutRepeatingAPixel) {
    const Pixels ramp = pictureOf(4, 1, [](int x, int) { return 40 * x; });
    const Pixels doubled = scalePixels(ramp, 8, 2);
    for (int x = 1; x < 8; ++x)
        EXPECT_LT(at(doubled, x - 1, 0), at(doubled, x, 0)) << x;
    EXPECT_EQ(at(doubled, 0, 0), 0);
    EXPECT_EQ(at(doubled, 7, 0), 120);
}

} // namespace
