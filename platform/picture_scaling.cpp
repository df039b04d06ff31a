#include "platform/picture_scaling.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

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

void scalePixels(const PixelRows& from, const PixelRows& to) {
    if (from.width <= 0 || from.height <= 0 || to.width <= 0 || to.height <= 0)
        return;
    const std::vector<Taps> across = tapsOf(from.width, to.width);
    const std::vector<Taps> down = tapsOf(from.height, to.height);

    // Each source row is first drawn across at the new width, kept with the weights' precision
    // in one of a few slots (the rows an output row takes are consecutive, and later output
    // rows never go back), then the rows are weighed down. Little memory is touched: a fresh
    // page costs more than the arithmetic.
    std::size_t slots = 1;
    for (const Taps& taps : down)
        slots = std::max(slots, taps.sources.size() + 1);
    const std::size_t rowValues = static_cast<std::size_t>(to.width) * 3;
    std::vector<std::uint32_t> rows(slots * rowValues);
    std::vector<int> rowIn(slots, -1);
    const auto acrossRow = [&](int source) {
        const std::size_t slot = static_cast<std::size_t>(source) % slots;
        std::uint32_t* row = rows.data() + slot * rowValues;
        if (rowIn[slot] == source)
            return row;
        rowIn[slot] = source;
        const std::uint8_t* pixels = from.bytes + static_cast<std::size_t>(source) * from.stride;
        for (int x = 0; x < to.width; ++x) {
            const Taps& taps = across[static_cast<std::size_t>(x)];
            std::uint32_t sum[3] = {0, 0, 0};
            for (std::size_t k = 0; k < taps.sources.size(); ++k) {
                const std::uint8_t* pixel = pixels + static_cast<std::size_t>(taps.sources[k]) * 3;
                const auto weight = static_cast<std::uint32_t>(taps.weights[k]);
                for (int c = 0; c < 3; ++c)
                    sum[c] += weight * pixel[c];
            }
            std::copy(sum, sum + 3, row + static_cast<std::size_t>(x) * 3);
        }
        return row;
    };
    // 255 weighed twice to one whole still fits 32 bits, with the half for rounding.
    std::vector<std::uint32_t> sums(rowValues);
    constexpr std::uint32_t half = std::uint32_t{1} << (2 * kWeightBits - 1);
    for (int y = 0; y < to.height; ++y) {
        const Taps& taps = down[static_cast<std::size_t>(y)];
        std::fill(sums.begin(), sums.end(), 0);
        for (std::size_t k = 0; k < taps.sources.size(); ++k) {
            const std::uint32_t* row = acrossRow(taps.sources[k]);
            const auto weight = static_cast<std::uint32_t>(taps.weights[k]);
            for (std::size_t v = 0; v < rowValues; ++v)
                sums[v] += weight * row[v];
        }
        std::uint8_t* out = to.bytes + static_cast<std::size_t>(y) * to.stride;
        for (std::size_t v = 0; v < rowValues; ++v)
            out[v] = static_cast<std::uint8_t>((sums[v] + half) >> (2 * kWeightBits));
    }
}
