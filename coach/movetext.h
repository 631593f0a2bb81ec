#pragma once

#include "coach/solverinterface.h"

#include <string>
#include <vector>

// The move in plain words: "Оставьте 3 3 5 и бросайте", "Запишите в «Тройка:»".
std::string MoveText(const CoachMove &move);
// The best move with its expected total and that of the next best.
std::string AdviceText(const std::vector<CoachMove> &moves);
// "3 3 5": faces as the player reads them.
std::string FacesText(const std::vector<uint8_t> &faces);
// 231,4: one decimal with a comma, whatever the desktop's locale.
std::string PointsText(double value);
