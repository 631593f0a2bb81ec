#pragma once

#include "data/datafiles.h"
#include "tests/support/unwatchedgame.h"

#include <gtest/gtest.h>

// A view for games that must never be shown: computer-only games.
class HiddenView : public SilentView
{
public:
    void runUntilOver() override { ADD_FAILURE() << "a computer-only game opened the window"; }
};
