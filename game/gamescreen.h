#pragma once

#include "data/onebased.h"
#include "game/scoring.h"

#include <cstdint>
#include <string>

// Everything the game window shows, kept by the game; the window only draws it.
struct GameScreen {
    enum class WritePicture { Write, Strike };
    enum class Arrow { Down, Up };

    struct Cell {
        std::string text;
        CellColour colour = CellColour::Green;
    };
    struct Button {
        std::string caption;
        bool enabled = false;
    };

    std::string caption;
    std::string player, place, turn, difficulty;
    OneBased<Cell, 17> cells{};
    OneBased<WritePicture, 16> writePicture{};
    OneBased<bool, 16> writeEnabled{};
    OneBased<Arrow, 5> arrow{};
    OneBased<bool, 5> dieEnabled{};
    // The face shown in each die cell, 0 for an empty cell.
    OneBased<uint8_t, 5> upperRow{};
    OneBased<uint8_t, 5> lowerRow{};
    Button goButton, elseButton;
    bool allEnabled = false;
    std::string status;
    std::string compTurn;
    bool compTurnVisible = false;
    bool diceClickable = false;
    bool standingsShown = false;
};
