#include "coach/movetext.h"

#include "game/scoring.h"

#include <algorithm>
#include <charconv>

std::string FacesText(const std::vector<uint8_t> &faces)
{
    std::string text;
    for (uint8_t face : faces) {
        if (!text.empty())
            text += ' ';
        text += char('0' + face);
    }
    return text;
}

std::string PointsText(double value)
{
    char buffer[64];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text(buffer, written.ptr);
    std::replace(text.begin(), text.end(), '.', ',');
    return text == "-0,0" ? "0,0" : text;
}

std::string MoveText(const CoachMove &move)
{
    auto write = [&](const char *written, const char *struck) {
        return std::string(move.points > 0 ? written : struck) + "«" +
               SheetLabels[std::size_t(move.combination)] + "»";
    };
    switch (move.kind) {
    case CoachMove::Kind::Throw:
        return "Бросайте";
    case CoachMove::Kind::Keep:
        if (move.keep.size() == 5)
            return write("Хватит: запишите в ", "Хватит: спишите ");
        if (move.keep.empty())
            return "Бросайте все кости заново";
        return "Оставьте " + FacesText(move.keep) + " и бросайте";
    case CoachMove::Kind::Write:
        break;
    }
    return write("Запишите в ", "Спишите ");
}

std::string AdviceText(const std::vector<CoachMove> &moves)
{
    if (moves.empty())
        return {};
    std::string text = MoveText(moves[0]) + " (в среднем " + PointsText(moves[0].expected);
    if (moves.size() > 1)
        text += "; следующий вариант " + PointsText(moves[1].expected);
    return text + ")";
}
