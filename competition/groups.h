#pragma once

#include "data/shareddata.h"

class RandomSource;

// Splits the championship's participants at random into three groups of a third each, filling
// Groups[g].Member and Count. With clubTogether the club members share one drawn group, in
// participant order from its first place on, when they fit into one.
void DistributeGroups(SharedData &data, RandomSource &random, const TSaveSlot &slot,
                      bool clubTogether);

enum class GroupSort {
    ByPlace, // by championship place before the round (ChamOrder), best first
    ByGame,  // by the round's game score, highest first; equal scores keep the lower position
};

// Fills GroupOrder[1..Count] with the positions of group (1..3) in the order asked for.
// ByPlace needs ChamOrder sorted for slot.
void SortGroupOrder(SharedData &data, const TSaveSlot &slot, int group, GroupSort mode);
