#include "data/checksums.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace
{

// SharedData is large; keep it off the test's stack.
std::unique_ptr<SharedData> zeroData()
{
    return std::make_unique<SharedData>();
}

void setByte(void *record, std::size_t offset, uint8_t value)
{
    static_cast<uint8_t *>(record)[offset] = value;
}

} // namespace

TEST(Checksums, AllZeroRecordsSumToZero)
{
    auto data = zeroData();
    EXPECT_EQ(RatingChecksum(*data), 0);
    EXPECT_EQ(RecordsChecksum(*data), 0);
    EXPECT_EQ(SlotsChecksum(*data), 0);
}

TEST(Checksums, RatingTermsByHand)
{
    auto data = zeroData();
    data->Rating[1].Games = 1;
    EXPECT_EQ(RatingChecksum(*data), 3);

    data->Rating[2].Name = Str17::fromBytes("AB"); // 9*2 + 1*'A' + 2*'B'
    data->Rating[2].Last50[1] = 5;                 // -(1-13)*5
    data->Rating[2].Status[1] = 1;                 // (1-4)*1
    data->Rating[2].RatingPoints = 7;              // -2*7
    data->Rating[2].PrizePoints = 1;               // -4
    EXPECT_EQ(RatingChecksum(*data), 3 + 18 + 65 + 2 * 66 + 60 - 3 - 14 - 4);

    // The last of the fifty scores and the last status byte count with their own weights.
    const int32_t summed = RatingChecksum(*data);
    data->Rating[2].Last50[50] = 2; // -(50-13)*2
    data->Rating[2].Status[10] = 1; // (10-4)*1
    EXPECT_EQ(RatingChecksum(*data), summed - 74 + 6);

    // Entry 41 and the 17th name character are outside the sum.
    const int32_t before = RatingChecksum(*data);
    data->Rating[41].TotalScore = 1000;
    data->Rating[3].Name.Chars[16] = 'x';
    EXPECT_EQ(RatingChecksum(*data), before);
    data->Rating[3].Name.Chars[15] = 'x';
    EXPECT_NE(RatingChecksum(*data), before);
}

TEST(Checksums, RecordsTermsByHand)
{
    auto data = zeroData();
    data->Records[1].Name = Str17::fromBytes("A"); // -8 * (1 + 65)
    data->Records[1].Score = 100;                  // 7 * 100
    data->Records[1].Difficulty = 2;               // 3 * 2 (byte 32)
    data->Records[1].ComboScores[1] = 10;          // (1-13) * 10
    data->Records[30].ComboScores[16] = 1;         // (16-13) * 1
    EXPECT_EQ(RecordsChecksum(*data), -528 + 700 + 6 - 120 + 3);

    const int32_t before = RecordsChecksum(*data);
    data->Records[2].Date = 45000.0; // dates are not covered
    data->Records[31].Score = 5;     // nor is entry 31
    EXPECT_EQ(RecordsChecksum(*data), before);
}

TEST(Checksums, SlotTermsByHand)
{
    auto data = zeroData();
    TSaveSlot &slot = data->Slots[1];
    slot.IsCham = 1;                       // 11
    slot.Title = Str21::fromBytes("T");    // -9 * 'T' (byte 2); the length byte is not covered
    slot.Reserved[1] = 1;                  // 4
    slot.Names[1] = Str17::fromBytes("a"); // (1-0)*1 + (1-1)*'a'
    slot.Names[2] = Str17::fromBytes("b"); // (2-0)*1 + (2-1)*'b'
    slot.Cham.Balls[1] = 3;                // (1-2)*3
    slot.Cham.Points[30] = 2;              // (30-5)*2
    slot.Cham.ChamDiff[8] = 100;           // -(8-8)*100
    slot.Cham.RoundsTotal = 10;            // 3*10
    EXPECT_EQ(SlotsChecksum(*data), 11 - 9 * 'T' + 4 + 1 + 2 + 'b' - 3 + 50 + 30);

    // The last title characters and slot 11 are not covered.
    const int32_t before = SlotsChecksum(*data);
    setByte(&slot, 18, 'z');
    data->Slots[11].IsCham = 1;
    EXPECT_EQ(SlotsChecksum(*data), before);
}

TEST(Checksums, WrapLikeThirtyTwoBitIntegers)
{
    auto data = zeroData();
    data->Rating[1].Games = 0x40000000; // 3 * 2^30 wraps
    EXPECT_EQ(RatingChecksum(*data), int32_t(0xC0000000u));
}
