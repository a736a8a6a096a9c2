#pragma once
// Synthetic images for the patch tests: reproducible noise and a few edits.

#include "patch/Bytes.h"

#include <random>

namespace patch_testing {

using patch::Bytes;

// size bytes of noise, the same for the same seed.
inline Bytes Noise(std::size_t size, unsigned seed = 1) {
    std::mt19937 random(seed);
    Bytes bytes(size);
    for (auto& b : bytes) b = static_cast<std::uint8_t>(random());
    return bytes;
}

// image with every byte at the given offsets inverted.
inline Bytes Flipped(Bytes image, std::initializer_list<std::size_t> offsets) {
    for (std::size_t offset : offsets) image[offset] ^= 0xFF;
    return image;
}

// image with count bytes of value written from offset, growing it when needed.
inline Bytes Filled(Bytes image, std::size_t offset, std::size_t count, std::uint8_t value) {
    if (image.size() < offset + count) image.resize(offset + count);
    std::fill_n(image.begin() + static_cast<std::ptrdiff_t>(offset), count, value);
    return image;
}

} // namespace patch_testing
