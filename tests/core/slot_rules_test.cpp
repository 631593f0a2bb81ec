#include "competition/slotlines.h"
#include "competition/slotrules.h"

#include <gtest/gtest.h>

namespace
{

TSaveSlot slotOf(uint8_t kind, const char *title)
{
    TSaveSlot slot{};
    slot.IsCham = kind;
    slot.Title = Str21::fromText(title);
    auto fill = [](auto &f, int participants, int humans) {
        f.RoundsPlayed = 3;
        f.RoundsTotal = 20;
        f.Difficulty = 6;
        f.ParticipantCount = uint8_t(participants);
        f.HumanCount = uint8_t(humans);
    };
    if (kind == 1) {
        fill(slot.Cham, 21, 0);
        slot.Cham.ClubTogether = 1;
    } else {
        fill(slot.Tur, 7, 2);
    }
    return slot;
}

// A field's values at the ends of its range: the slot stays playable with each good value and
// becomes unplayable with each bad one.
template <typename Fields> struct Limit {
    uint8_t Fields::*field;
    std::vector<int> good, bad;
};

template <typename Fields>
void expectLimits(uint8_t kind, Fields &(*part)(TSaveSlot &),
                  const std::vector<Limit<Fields>> &limits)
{
    for (std::size_t row = 0; row < limits.size(); ++row) {
        for (const bool playable : {true, false}) {
            for (const int value : playable ? limits[row].good : limits[row].bad) {
                TSaveSlot slot = slotOf(kind, "Т");
                ASSERT_TRUE(SlotPlayable(slot));
                part(slot).*limits[row].field = uint8_t(value);
                EXPECT_EQ(SlotPlayable(slot), playable)
                    << "kind " << int(kind) << ", row " << row << ", value " << value;
            }
        }
    }
}

} // namespace

TEST(SlotLines, ShowTitleAndKindOrEmpty)
{
    TSaveSlot empty{};
    EXPECT_EQ(SlotLine(empty), "<Пусто>");
    // Bytes left behind in an emptied slot do not make it occupied.
    empty.IsCham = 1;
    empty.Cham.ParticipantCount = 12;
    EXPECT_EQ(SlotLine(empty), "<Пусто>");
    EXPECT_EQ(SlotLine(slotOf(0, "Весенний")), "Весенний(Турн.)");
    EXPECT_EQ(SlotLine(slotOf(1, "Кубок мира")), "Кубок мира(Чемп.)");
    // A crafted slot is listed by its title and kind mark, but is never playable.
    TSaveSlot crafted = slotOf(1, "Кубок мира");
    crafted.Cham.Difficulty = 0;
    EXPECT_EQ(SlotLine(crafted), "Кубок мира(Чемп.)");
    EXPECT_FALSE(SlotPlayable(crafted));
    for (uint8_t kind : {2, 255}) {
        crafted = slotOf(kind, "Кубок мира");
        EXPECT_EQ(SlotLine(crafted), "Кубок мира");
        EXPECT_FALSE(SlotPlayable(crafted)) << int(kind);
    }
}

TEST(SlotRules, LimitsOfBothKindsAreKeptAtBothEnds)
{
    using T = TTournamentFields;
    expectLimits<T>(0, [](TSaveSlot &s) -> T & { return s.Tur; },
                    {{&T::ParticipantCount, {2, 10}, {1, 11}},
                     {&T::RoundsTotal, {10, 30}, {5, 12, 35}},
                     {&T::RoundsPlayed, {20}, {21}},
                     {&T::Difficulty, {1, 10}, {0, 11}},
                     {&T::HumanCount, {10}, {11}}});
    using C = TChampionshipFields;
    expectLimits<C>(1, [](TSaveSlot &s) -> C & { return s.Cham; },
                    {{&C::ParticipantCount, {12, 30}, {11, 13, 33}},
                     {&C::RoundsTotal, {10, 30}, {5, 12, 35}},
                     {&C::RoundsPlayed, {20}, {21}},
                     {&C::Difficulty, {1, 10}, {0, 11}},
                     {&C::HumanCount, {10}, {11}},
                     {&C::ClubTogether, {0}, {2}}});
    // The dialog takes at most twenty characters for a title; an empty one is no slot.
    EXPECT_TRUE(SlotPlayable(slotOf(0, "12345678901234567890")));
    EXPECT_FALSE(SlotPlayable(slotOf(0, "123456789012345678901")));
    EXPECT_FALSE(SlotPlayable(slotOf(1, "")));
}
