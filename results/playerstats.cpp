#include "results/playerstats.h"

#include "coach/gamejudge.h"
#include "coach/movetext.h"
#include "data/verdictbook.h"
#include "results/ratingrows.h"

#include <algorithm>
#include <numeric>

namespace
{

// The bin of a score; a computer's booked score may fall below zero.
int binOf(int score)
{
    const int width = ScoreBin::kBinWidth;
    return (score >= 0 ? score / width : -((width - 1 - score) / width)) * width;
}

std::vector<ScoreBin> spreadOf(const std::vector<int> &scores)
{
    if (scores.empty())
        return {};
    const auto [low, high] = std::minmax_element(scores.begin(), scores.end());
    std::vector<ScoreBin> bins;
    for (int from = binOf(*low); from <= binOf(*high); from += ScoreBin::kBinWidth)
        bins.push_back({from, 0});
    for (int score : scores)
        ++bins[std::size_t((binOf(score) - bins.front().from) / ScoreBin::kBinWidth)].count;
    return bins;
}

std::vector<double> movingAverageOf(const std::vector<int> &scores)
{
    std::vector<double> averages;
    int64_t sum = 0;
    for (std::size_t i = 0; i < scores.size(); ++i) {
        sum += scores[i];
        if (i >= std::size_t(PlayerStats::kAveragedGames))
            sum -= scores[i - PlayerStats::kAveragedGames];
        averages.push_back(double(sum) /
                           double(std::min(i + 1, std::size_t(PlayerStats::kAveragedGames))));
    }
    return averages;
}

void addVerdicts(PlayerStats &stats, const TVerdictEntry &verdicts)
{
    const std::size_t count = std::min<std::size_t>(verdicts.Count, verdicts.Games.size());
    double luck = 0;
    for (std::size_t g = 1; g <= count; ++g) {
        const TJudgedGame &game = verdicts.Games[g];
        stats.givenAway.push_back(game.GivenAway);
        luck += game.Total - (game.BestTotal - game.GivenAway);
    }
    if (count == 0)
        return;
    for (const TJudgedMove &move : verdicts.Games[count].Costliest.items) {
        if (std::string text = JudgedMoveText(move); !text.empty())
            stats.costliest.push_back(std::move(text));
    }
    stats.averageGivenAway =
        std::accumulate(stats.givenAway.begin(), stats.givenAway.end(), 0.0) / double(count);
    stats.averageLuck = luck / double(count);
}

// +4,1 and -3,0: luck goes either way.
std::string signedPoints(double value)
{
    const std::string text = PointsText(value);
    return value > 0 && text != "0,0" ? "+" + text : text;
}

template <typename T, typename Text>
std::string joined(const std::vector<T> &values, const char *separator, Text text)
{
    std::string list;
    for (const T &value : values)
        list += (list.empty() ? "" : separator) + text(value);
    return list;
}

std::string kept(const PlayerStats &stats)
{
    return std::to_string(stats.form.size());
}

} // namespace

PlayerStats StatsOf(const SharedData &data, int entry, std::optional<double> bestPlay)
{
    const TRatingEntry &rated = data.Rating[std::size_t(entry)];
    PlayerStats stats;
    stats.name = rated.Name.text();
    stats.games = rated.Games;
    stats.average = AverageScore(rated);
    stats.bestPlay = bestPlay;
    // While fewer than fifty games are played, the newest is Last50[Games].
    const int count = std::clamp(rated.Games, 0, int(rated.Last50.size()));
    stats.form.assign(rated.Last50.begin(), rated.Last50.begin() + count);
    stats.movingAverage = movingAverageOf(stats.form);
    stats.spread = spreadOf(stats.form);
    if (!stats.form.empty()) {
        const auto [low, high] = std::minmax_element(stats.form.begin(), stats.form.end());
        stats.worst = *low;
        stats.best = *high;
        const auto above = std::count_if(stats.form.begin(), stats.form.end(),
                                         [](int score) { return score > PlayerStats::kHighScore; });
        stats.shareAbove = double(above) / double(count);
    }
    if (IsMemberEntry(entry)) {
        if (const TVerdictEntry *verdicts = VerdictsOf(data, rated.Name))
            addVerdicts(stats, *verdicts);
    }
    return stats;
}

std::vector<std::string> FigureLines(const PlayerStats &stats)
{
    std::vector<std::string> lines{"Игр сыграно: " + std::to_string(stats.games)};
    if (!stats.form.empty()) {
        lines.push_back("Средний результат: " + PointsText(stats.average));
        lines.push_back("Лучшая из последних " + kept(stats) + ": " + std::to_string(stats.best));
        lines.push_back("Худшая из последних " + kept(stats) + ": " + std::to_string(stats.worst));
        lines.push_back("Больше " + std::to_string(PlayerStats::kHighScore) +
                        " очков: " + PointsText(100 * stats.shareAbove) + "%");
    }
    if (!stats.givenAway.empty()) {
        lines.push_back("Игр разобрал тренер: " + std::to_string(stats.givenAway.size()));
        lines.push_back("Отдано очков: " + PointsText(stats.averageGivenAway) + " за игру");
        lines.push_back("Везение: " + signedPoints(stats.averageLuck) + " очка за игру");
    }
    if (!stats.costliest.empty()) {
        lines.push_back("Самые дорогие решения последней разобранной игры:");
        lines.insert(lines.end(), stats.costliest.begin(), stats.costliest.end());
    }
    return lines;
}

std::string FormDescription(const PlayerStats &stats)
{
    if (stats.form.empty())
        return kNoGamesText;
    std::string text = "Очки последних " + kept(stats) + " игр, от давних к последней: " +
                       joined(stats.form, ", ", [](int score) { return std::to_string(score); }) +
                       ". Среднее за " + std::to_string(PlayerStats::kAveragedGames) +
                       " игр к последней игре: " + PointsText(stats.movingAverage.back()) +
                       ". Среднее за все игры: " + PointsText(stats.average) + ".";
    if (stats.bestPlay)
        text += " Лучшая игра по тренеру дает в среднем " + PointsText(*stats.bestPlay) + ".";
    return text;
}

std::string SpreadDescription(const PlayerStats &stats)
{
    if (stats.spread.empty())
        return kNoGamesText;
    return "Игры по очкам, шагом " + std::to_string(ScoreBin::kBinWidth) + ": " +
           joined(stats.spread, "; ",
                  [](const ScoreBin &bin) {
                      return "от " + std::to_string(bin.from) + " до " +
                             std::to_string(bin.from + ScoreBin::kBinWidth - 1) + " - " +
                             std::to_string(bin.count);
                  }) +
           ".";
}

std::string GivenAwayDescription(const PlayerStats &stats)
{
    if (stats.givenAway.empty())
        return "Тренер еще не разбирал игр этого игрока";
    return "Отдано очков в последних " + std::to_string(stats.givenAway.size()) +
           " разобранных играх: " + joined(stats.givenAway, "; ", PointsText) + ". В среднем " +
           PointsText(stats.averageGivenAway) + " за игру; везение в среднем " +
           signedPoints(stats.averageLuck) + " очка за игру.";
}
