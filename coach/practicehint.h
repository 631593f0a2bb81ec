#pragma once

#include <string>

class Coach;
class DiceGame;

// The coach's advice for the moment of a practice game, in the words of the status line.
std::string PracticeHint(const DiceGame &game, Coach &coach);
