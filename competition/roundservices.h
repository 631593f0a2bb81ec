#pragma once

class DataFiles;
class DiceGame;
class GameJudge;
class MessageBoxes;
class PasswordAsker;
class RandomSource;
struct SharedData;

// What a round of a competition works with: the shared records and their files, the chances,
// the boxes, the password dialog, the game window's game and the coach who judges the club
// members' games (none: they go unjudged).
struct RoundServices {
    SharedData &data;
    DataFiles &files;
    RandomSource &random;
    MessageBoxes &boxes;
    PasswordAsker &passwords;
    DiceGame &game;
    GameJudge *judge = nullptr;
};

// Shown after a counted game that entered the record table.
inline const char *const kRecordsChangedText = "Внесены изменения в таблицу рекордов!";
