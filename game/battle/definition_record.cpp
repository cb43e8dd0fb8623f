// New records, the check of a record from outside, and the byte layout.
#include "definition_record.h"

#include <algorithm>
#include <cstring>

#include "weapon_kinds.h"

namespace battle {
namespace {

void PutInt32(uint8_t *out, int32_t value) {
    auto bits = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; ++i) out[i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t GetInt32(const uint8_t *in) {
    uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) bits |= static_cast<uint32_t>(in[i]) << (8 * i);
    return static_cast<int32_t>(bits);
}

bool IsBodyStyle(int32_t pitch) {
    constexpr int32_t kStyles[] = {kFireSmall, kFireMedium, kFireLarge,
                                   kRoboSmall, kRoboMedium, kRoboLarge};
    return std::find(std::begin(kStyles), std::end(kStyles), pitch) != std::end(kStyles);
}

}  // namespace

bool IsPlayable(const DefinitionRecord &record) {
    return IsWeaponKind(record.gunKind) && IsWeaponKind(record.missileKind) &&
           IsBodyStyle(record.pitch) && std::memchr(record.name, 0, sizeof record.name) != nullptr;
}

DefinitionRecord NewDefinitionRecord() {
    DefinitionRecord record{};
    SetName(record, "My_Fream");
    record.reserved1 = 3;
    record.pitch = kFireMedium;
    record.gunKind = 1001;
    record.missileKind = 1001;
    record.reserved2 = 1001;
    return record;
}

DefinitionBytes EncodeDefinitionRecord(const DefinitionRecord &record) {
    DefinitionBytes bytes{};
    std::memcpy(bytes.data(), record.name, sizeof record.name);
    const int32_t fields[] = {record.reserved1,   record.pitch,     record.gunKind,
                              record.missileKind, record.reserved2, record.versusPlayed,
                              record.versusWon};
    uint8_t *out = bytes.data() + sizeof record.name;
    for (int32_t field : fields) {
        PutInt32(out, field);
        out += 4;
    }
    for (int32_t score : record.score) {
        PutInt32(out, score);
        out += 4;
    }
    return bytes;
}

DefinitionRecord DecodeDefinitionRecord(const DefinitionBytes &bytes) {
    DefinitionRecord record{};
    std::memcpy(record.name, bytes.data(), sizeof record.name);
    const uint8_t *in = bytes.data() + sizeof record.name;
    int32_t *fields[] = {&record.reserved1,   &record.pitch,     &record.gunKind,
                         &record.missileKind, &record.reserved2, &record.versusPlayed,
                         &record.versusWon};
    for (int32_t *field : fields) {
        *field = GetInt32(in);
        in += 4;
    }
    for (int32_t &score : record.score) {
        score = GetInt32(in);
        in += 4;
    }
    return record;
}

std::string_view NameOf(const DefinitionRecord &record) {
    return std::string_view(record.name, strnlen(record.name, sizeof record.name - 1));
}

void SetName(DefinitionRecord &record, std::string_view name) {
    std::memset(record.name, 0, sizeof record.name);
    std::memcpy(record.name, name.data(), std::min(name.size(), sizeof record.name - 1));
}

}  // namespace battle
