#include "rom/MoveRecord.h"
#include "rom/RomError.h"
#include "rom/Vocabularies.h"

#include <gtest/gtest.h>

using namespace rom;

TEST(MoveFieldOffset, PlacesRecordsTwelveBytesApart) {
    const std::int32_t D = 2427908;
    EXPECT_EQ(MoveFieldOffset(D, 0, MoveField::effect), D);
    EXPECT_EQ(MoveFieldOffset(D, 1, MoveField::effect), D + 12);
    EXPECT_EQ(MoveFieldOffset(D, 1, MoveField::power), D + 13);
    EXPECT_EQ(MoveFieldOffset(D, 354, MoveField::target), D + 12 * 354 + 6);
    EXPECT_EQ(MoveFieldOffset(D, 2730, MoveField::effect), D + 32760);
}

TEST(MoveFieldOffset, OverflowsPastMove2730) {
    EXPECT_THROW(MoveFieldOffset(0, 2731, MoveField::effect), PositionError);
    EXPECT_THROW(MoveFieldOffset(0, 100000, MoveField::pp), PositionError);
    EXPECT_THROW(MoveFieldOffset(2147483640, 1, MoveField::effect), PositionError);
}

TEST(MoveNameByteOffset, CountsFromMoveOne) {
    const std::int32_t S = 2388129;
    EXPECT_EQ(MoveNameByteOffset(S, 13, 1, 0), S);
    EXPECT_EQ(MoveNameByteOffset(S, 13, 0, 0), S - 13);
    EXPECT_EQ(MoveNameByteOffset(S, 13, 2, 12), S + 13 + 12);
    EXPECT_EQ(MoveNameByteOffset(S, 20, 3, 1), S + 41); // the stride sets where entries begin
    EXPECT_THROW(MoveNameByteOffset(2147483600, 13, 10, 0), PositionError);
}

TEST(MoveRecord, FieldsAreAddressedByTheirBytePosition) {
    MoveRecord r;
    for (int f = 0; f < MoveFieldCount; ++f) r[static_cast<MoveField>(f)] = static_cast<std::uint8_t>(10 + f);
    EXPECT_EQ(r.effect, 10);
    EXPECT_EQ(r.power, 11);
    EXPECT_EQ(r.type, 12);
    EXPECT_EQ(r.accuracy, 13);
    EXPECT_EQ(r.pp, 14);
    EXPECT_EQ(r.effectChance, 15);
    EXPECT_EQ(r.target, 16);
}

TEST(Vocabularies, KeepTheTextsEarlierVersionsWrote) {
    EXPECT_EQ(TypeNames().size(), 18u);
    EXPECT_EQ(LegacyEffectNames().size(), 214u);
    EXPECT_EQ(LegacyTargetNames().size(), 65u);
    const struct {
        const std::vector<std::string>& list;
        int value;
        const char* text;
    } cases[] = {
        {TypeNames(), 0, "Normal"},
        {TypeNames(), 9, "???"},
        {TypeNames(), 17, "Dark"},
        {LegacyEffectNames(), 0, "Normal Hit"},
        {LegacyEffectNames(), 6, "Hit + Parlyze"},
        {LegacyEffectNames(), 55, "No Effect"},
        {LegacyEffectNames(), 12, "No effect"},
        {LegacyEffectNames(), 113, "113"},
        {LegacyEffectNames(), 116, "Survive Hit with at leat 1 HP"},
        {LegacyEffectNames(), 125, "Hit + Burn"},
        {LegacyEffectNames(), 139, "Hit + Raise Own Attk."},
        {LegacyEffectNames(), 198, "Hit Targ. + Damage Self"},
        {LegacyEffectNames(), 213, "213"},
        {LegacyTargetNames(), 0, "One Opponent Pok\xC3\xA9mon"},
        {LegacyTargetNames(), 2, "2"},
        {LegacyTargetNames(), 4, "Opponent [???]"},
        {LegacyTargetNames(), 64, "Your sent out Pok\xC3\xA9mon"},
    };
    for (const auto& c : cases) EXPECT_EQ(c.list[static_cast<std::size_t>(c.value)], c.text) << c.value;

    int undescribed = 0;
    for (std::size_t v = 0; v < LegacyEffectNames().size(); ++v)
        undescribed += LegacyEffectNames()[v] == std::to_string(v);
    EXPECT_EQ(undescribed, 85);
}
