#pragma once

#include "data/shareddata.h"

#include <string>

// The texts of one row of the rating table, each as wide as its column prints it.
struct RatingRowTexts {
    std::string place, name, games, average, last50, prize, rating;
    bool clubMember = false;
};

// Row r (1-based) of the table, in the order of RatingOrder.
RatingRowTexts RatingRow(const SharedData &data, int row);

double AverageScore(const TRatingEntry &entry);
// The average of the scores kept in Last50: all fifty once more than fifty games are played.
double Last50Average(const TRatingEntry &entry);
