#pragma once

// Championship balls for the places of a group game, by group size 4..10.
int GroupBalls(int groupSize, int place);
// The average balls of one group game: the row's sum over the group size.
double GroupBallsAverage(int groupSize);
