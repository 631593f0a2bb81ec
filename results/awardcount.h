#pragma once

#include <string>

// The count-up of one award: three dots, each with the waiting sound, then the prize with the
// sound that fits it.
class AwardCount
{
public:
    static constexpr int kTicks = 4;

    explicit AwardCount(double prize = 0) : m_prize(prize) {}

    // "За 3-е место Россия получает".
    static std::string placeText(const std::string &name, int place);

    // One timer tick: grows the value text and returns the sound to play (0 once finished).
    int tick();
    bool finished() const { return m_ticks >= kTicks; }
    const std::string &valueText() const { return m_valueText; }

private:
    double m_prize;
    int m_ticks = 0;
    std::string m_valueText;
};
