#pragma once

#include "data/records.h"

#include <string>

// The slot chooser's line for a slot: its title and kind mark, or "<Пусто>". A slot whose kind
// byte is neither kind shows its title alone.
std::string SlotLine(const TSaveSlot &slot);
