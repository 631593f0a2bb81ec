#pragma once

#include "data/shortstring.h"

#include <array>
#include <cstddef>
#include <cstdint>

constexpr std::size_t kClubRecordSize = 54;
constexpr std::size_t kClubRecords = 10;

// One member in the club file: the name, then the password XOR a mask stored beside it, so the
// file shows no password in plain text.
struct ClubRecord {
    Str17 Name;
    uint8_t MaskedPassword[18];
    uint8_t Mask[18];
};
static_assert(sizeof(ClubRecord) == kClubRecordSize);

using ClubMask = std::array<uint8_t, sizeof(Str17)>;

inline ClubRecord maskedRecord(const Str17 &name, const Str17 &password, const ClubMask &mask)
{
    ClubRecord record{};
    record.Name = name;
    const auto *bytes = reinterpret_cast<const uint8_t *>(&password);
    for (std::size_t i = 0; i < sizeof password; ++i) {
        record.Mask[i] = mask[i];
        record.MaskedPassword[i] = bytes[i] ^ mask[i];
    }
    return record;
}

inline Str17 unmask(const ClubRecord &record)
{
    Str17 password;
    auto *bytes = reinterpret_cast<uint8_t *>(&password);
    for (std::size_t i = 0; i < sizeof password; ++i)
        bytes[i] = record.MaskedPassword[i] ^ record.Mask[i];
    password.clampLength();
    return password;
}
