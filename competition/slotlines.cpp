#include "competition/slotlines.h"

#include "competition/slotrules.h"

std::string SlotLine(const TSaveSlot &slot)
{
    if (!SlotOccupied(slot))
        return "<Пусто>";
    const std::string title = slot.Title.text();
    switch (slot.IsCham) {
    case 0:
        return title + "(Турн.)";
    case 1:
        return title + "(Чемп.)";
    default:
        return title;
    }
}
