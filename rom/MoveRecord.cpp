#include "rom/MoveRecord.h"

#include "rom/RomError.h"

#include <limits>
#include <string>

namespace rom {
namespace {

std::int32_t Checked32(std::int64_t position) {
    if (position < std::numeric_limits<std::int32_t>::min() ||
        position > std::numeric_limits<std::int32_t>::max())
        throw PositionError("position " + std::to_string(position) + " is beyond 32 bits");
    return static_cast<std::int32_t>(position);
}

} // namespace

std::uint8_t& MoveRecord::operator[](MoveField f) {
    switch (f) {
    case MoveField::effect:
        return effect;
    case MoveField::power:
        return power;
    case MoveField::type:
        return type;
    case MoveField::accuracy:
        return accuracy;
    case MoveField::pp:
        return pp;
    case MoveField::effectChance:
        return effectChance;
    case MoveField::target:
        break;
    }
    return target;
}

std::uint8_t MoveRecord::operator[](MoveField f) const {
    return const_cast<MoveRecord&>(*this)[f];
}

std::int32_t MoveFieldOffset(std::int32_t dataOffset, int k, MoveField f) {
    const std::int64_t product = static_cast<std::int64_t>(k) * MoveRecordSize;
    if (product < std::numeric_limits<std::int16_t>::min() ||
        product > std::numeric_limits<std::int16_t>::max())
        throw PositionError("move " + std::to_string(k) + " lies beyond the move-data table's reach");
    return Checked32(std::int64_t{dataOffset} + product + static_cast<int>(f));
}

std::int32_t MoveNameByteOffset(std::int32_t nameStart, std::int32_t stride, int k, int i) {
    return Checked32(NameBytePosition<std::int64_t>(nameStart, stride, k, i));
}

} // namespace rom
