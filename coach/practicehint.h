#pragma once

#include <string>

class DiceGame;
class SolverInterface;

// The coach's advice for the moment of a practice game, in the words of the status line.
std::string PracticeHint(const DiceGame &game, SolverInterface &coach);
