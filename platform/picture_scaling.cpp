#include "platform/picture_scaling.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace {

constexpr int kWeightBits = 12;
constexpr int kWholeWeight = 1 << kWeightBits;

// Where one output pixel along an axis takes its value from: source pixels and their weights,
// which add up to kWholeWeight.
struct Taps {
    std::vector<int> sources;
    std::vector<int> weights;
};

// The weights of one axis, from `from` pixels to `to`.
std::vector<Taps> tapsOf(int from, int to) {
    const double ratio = static_cast<double>(from) / to;
    std::vector<Taps> axis(static_cast<std::size_t>(to));
    for (int i = 0; i < to; ++i) {
        std::vector<double> weights;
        int first = 0;
        if (ratio >= 1.0) {
            // Smaller: the share of each source pixel in the span [i, i + 1) covers.
            const double begin = i * ratio, end = (i + 1) * ratio;
            first = static_cast<int>(std::floor(begin));
            for (int s = first; s < end && s < from; ++s)
                weights.push_back(std::min<double>(s + 1, end) - std::max<double>(s, begin));
        } else {
            // Larger: between the two source pixels whose centres lie either side of its own.
            const double centre = std::clamp((i + 0.5) * ratio - 0.5, 0.0, from - 1.0);
            first = std::min(static_cast<int>(centre), std::max(0, from - 2));
            const double toSecond = centre - first;
            weights = {1.0 - toSecond, toSecond};
            if (from == 1)
                weights = {1.0};
        }
        double total = 0;
        for (double weight : weights)
            total += weight;
        Taps& taps = axis[static_cast<std::size_t>(i)];
        int given = 0, heaviest = 0;
        for (std::size_t k = 0; k < weights.size(); ++k) {
            taps.sources.push_back(first + static_cast<int>(k));
            taps.weights.push_back(
                static_cast<int>(std::lround(weights[k] / total * kWholeWeight)));
            given += taps.weights.back();
            if (taps.weights.back() > taps.weights[static_cast<std::size_t>(heaviest)])
                heaviest = static_cast<int>(k);
        }
        // Rounding must not brighten or darken: the weights add up to exactly one.
        taps.weights[static_cast<std::size_t>(heaviest)] += kWholeWeight - given;
    }
    return axis;
}

} // namespace

Pixels scalePixels(const Pixels& picture, int width, int height) {
    Pixels scaled{width, height, {}};
    if (width <= 0 || height <= 0 || picture.width <= 0 || picture.height <= 0 ||
        picture.bytes.size() < static_cast<std::size_t>(picture.width) * picture.height * 4) {
        scaled.width = scaled.height = 0;
        return scaled;
    }
    const std::vector<Taps> across = tapsOf(picture.width, width);
    const std::vector<Taps> down = tapsOf(picture.height, height);

    // Across first, every source row, kept with the weights' precision; then down.
    const std::size_t rowValues = static_cast<std::size_t>(width) * 4;
    std::vector<std::uint32_t> rows(rowValues * static_cast<std::size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        const std::uint8_t* source =
            picture.bytes.data() + static_cast<std::size_t>(y) * picture.width * 4;
        std::uint32_t* row = rows.data() + static_cast<std::size_t>(y) * rowValues;
        for (int x = 0; x < width; ++x) {
            const Taps& taps = across[static_cast<std::size_t>(x)];
            for (std::size_t k = 0; k < taps.sources.size(); ++k) {
                const std::uint8_t* pixel = source + static_cast<std::size_t>(taps.sources[k]) * 4;
                const auto weight = static_cast<std::uint32_t>(taps.weights[k]);
                for (int c = 0; c < 4; ++c)
                    row[x * 4 + c] += weight * pixel[c];
            }
        }
    }
    scaled.bytes.resize(rowValues * static_cast<std::size_t>(height));
    std::vector<std::uint64_t> sums(rowValues);
    constexpr std::uint64_t half = std::uint64_t{1} << (2 * kWeightBits - 1);
    for (int y = 0; y < height; ++y) {
        const Taps& taps = down[static_cast<std::size_t>(y)];
        std::fill(sums.begin(), sums.end(), 0);
        for (std::size_t k = 0; k < taps.sources.size(); ++k) {
            const std::uint32_t* row =
                rows.data() + static_cast<std::size_t>(taps.sources[k]) * rowValues;
            const auto weight = static_cast<std::uint64_t>(taps.weights[k]);
            for (std::size_t v = 0; v < rowValues; ++v)
                sums[v] += weight * row[v];
        }
        std::uint8_t* out = scaled.bytes.data() + static_cast<std::size_t>(y) * rowValues;
        for (std::size_t v = 0; v < rowValues; ++v)
            out[v] = static_cast<std::uint8_t>((sums[v] + half) >> (2 * kWeightBits));
    }
    return scaled;
}
