#include "chameleon_button/ColorArithmetic.h"

namespace chameleon_button {

Colour OffsetColor(Colour colour, std::int32_t amount, bool blueProportional, bool softBevel) {
    if (softBevel) amount /= 2;
    const std::int32_t r = colour & 255;
    const std::int32_t g = (colour / 256) % 256;
    const std::int32_t b = (colour / 65536) % 256;
    std::int32_t r2 = r + amount, g2 = g + amount;
    std::int32_t b2 = blueProportional ? b + (b * amount) / 192 : b + amount;
    const auto clamp = [amount](std::int32_t& x) {
        if (amount > 0 && x > 255) x = 255;
        if (amount < 0 && x < 0) x = 0;
    };
    clamp(r2), clamp(g2), clamp(b2);
    return r2 + 256 * g2 + 65536 * b2;
}

Colour LightenColor(Colour colour, std::int32_t amount) {
    const auto channel = [amount](std::int32_t x) {
        const std::int32_t v = amount + (x * (255 - amount)) / 255;
        return v > 255 ? 255 : v;
    };
    return channel(colour & 255) + 256 * channel((colour / 256) % 256) +
           65536 * channel((colour / 65536) % 256);
}

} // namespace chameleon_button
