#pragma once

#include "coach/coachtable.h"

// The coach's table, solved once per test program for the tests that need one ready.
inline CoachTable &SolvedTable()
{
    static CoachTable table = [] {
        CoachTable solved;
        solved.compute();
        return solved;
    }();
    return table;
}
