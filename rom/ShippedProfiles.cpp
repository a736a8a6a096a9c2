#include "rom/ShippedProfiles.h"

#include <vector>

namespace rom {
namespace {

struct ShippedProfile {
    const char* gameCode;
    std::vector<char> text;
};

const std::vector<ShippedProfile>& Shipped() {
    static const std::vector<ShippedProfile> profiles = {
#include "ShippedProfileData.inc"
    };
    return profiles;
}

} // namespace

std::optional<std::string_view> ShippedProfileText(std::string_view gameCode) {
    for (const ShippedProfile& p : Shipped())
        if (gameCode == p.gameCode) return std::string_view(p.text.data(), p.text.size());
    return std::nullopt;
}

bool IsShippedProfile(std::string_view gameCode, std::string_view text) {
    const auto shipped = ShippedProfileText(gameCode);
    return shipped && *shipped == text;
}

} // namespace rom
