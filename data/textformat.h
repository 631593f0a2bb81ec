#pragma once

#include <cstdint>
#include <string>

// Right-aligned numbers for the fixed-width columns of the tables.
std::string IntText(int32_t value, uint8_t width);
std::string FloatText(double value, uint8_t width, uint8_t decimals);
