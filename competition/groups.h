#pragma once

#include "data/shareddata.h"

class RandomSource;

// Splits the championship's participants at random into three groups of a third each, filling
// Groups[g].Member and Count. With clubTogether the club members share one drawn group, in
// participant order from its first place on, when they fit into one.
void DistributeGroups(SharedData &data, RandomSource &random, const TSaveSlot &slot,
                      bool clubTogether);

// The championship place (1-based) of every participant, by participant number.
using ChamPlaces = OneBased<uint8_t, 30>;
// Sorts ChamOrder for slot and reads the places off it.
ChamPlaces ChamPlacesOf(SharedData &data, const TSaveSlot &slot);

enum class GroupSort {
    ByPlace, // by championship place before the round, best first
    ByGame,  // by the round's game score, highest first; equal scores keep the lower position
};

// Fills GroupOrder[1..Count] with the positions of group (1..3) in the order asked for.
void SortGroupOrder(SharedData &data, const ChamPlaces &places, int group, GroupSort mode);
