#pragma once

#include <array>
#include <cstdint>
#include <vector>

// The dice multisets of size 0..5 over faces 1..6, numbered once for the coach's tables: the
// kept hands, the rolls of the free dice and the hands they make.
namespace coachdice
{

constexpr int kSets = 462;
constexpr int kHands = 252;

struct DiceSet {
    std::array<uint8_t, 7> count{}; // by face 1..6
    int size = 0;
    std::array<int16_t, 7> minus{}; // the set with one die of a face fewer, -1 without one
    std::array<int16_t, 7> plus{};  // the set with one die of a face more, -1 past five dice
    int hand = -1;                  // 0..251 for five dice
};

// One outcome of rolling some dice: the set it makes together with the dice already kept.
struct Outcome {
    int16_t set;
    double chance;
};

struct DiceSets {
    std::array<DiceSet, kSets> sets;
    // Sets are numbered by size, smallest first: those of size n are bySize[n]..bySize[n+1]-1.
    std::array<int, 7> bySize{};
    // Set numbers of the five-dice hands by hand number.
    std::array<int16_t, kHands> hands;
    // Rolls of n dice (n = 0..5), each a set of size n with its chance.
    std::array<std::vector<Outcome>, 6> rolls;

    int indexOf(const std::array<uint8_t, 7> &count) const;
    int indexOf(const std::vector<uint8_t> &faces) const;
    // The set made of two sets, -1 past five dice.
    int join(int a, int b) const;
    std::vector<uint8_t> faces(int set) const;

private:
    friend const DiceSets &diceSets();
    DiceSets();
    std::vector<int16_t> m_byCode;
};

// Built on first use.
const DiceSets &diceSets();

} // namespace coachdice
