#pragma once

#include "data/records.h"

enum class CompetitionKind { Tournament, Championship };

// The kind a slot's kind byte names; a byte other than 1 reads as a tournament, so callers
// check SlotPlayable before trusting it.
inline CompetitionKind KindOf(const TSaveSlot &slot)
{
    return slot.IsCham == 1 ? CompetitionKind::Championship : CompetitionKind::Tournament;
}
