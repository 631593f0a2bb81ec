#pragma once

class DataFiles;
class DiceGame;
class MessageBoxes;
class PasswordAsker;
class RandomSource;
struct SharedData;

// What a round of a competition works with: the shared records and their files, the chances,
// the boxes, the password dialog and the game window's game.
struct RoundServices {
    SharedData &data;
    DataFiles &files;
    RandomSource &random;
    MessageBoxes &boxes;
    PasswordAsker &passwords;
    DiceGame &game;
};

// Shown after a counted game that entered the record table.
inline const char *const kRecordsChangedText = "Внесены изменения в таблицу рекордов!";
