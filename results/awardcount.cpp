#include "results/awardcount.h"

#include "data/textformat.h"
#include "game/gameview.h"

std::string AwardCount::placeText(const std::string &name, int place)
{
    return "За " + std::to_string(place) + "-е место " + name + " получает";
}

int AwardCount::tick()
{
    if (finished())
        return 0;
    ++m_ticks;
    if (m_ticks < kTicks) {
        m_valueText += '.';
        return WaitPrizeSound;
    }
    const bool good = m_prize > 0;
    m_valueText += (good ? "+" : "") + FloatText(m_prize, 4, 2);
    return good ? GoodPrizeSound : BadPrizeSound;
}
