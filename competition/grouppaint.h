#pragma once

#include "competition/championshipround.h"

#include <QImage>
#include <QSize>

#include <array>
#include <span>
#include <vector>

constexpr QSize kGroupsPictureSize{464, 480};

using GroupRows = std::array<std::vector<ChampionshipRound::Row>, 3>;

// Draws the three groups of a round, one block of 160 pixels each, the columns placed by the
// header's section widths.
void PaintGroups(QImage &picture, const GroupRows &groups, std::span<const int> widths);
