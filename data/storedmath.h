#pragma once

#include <cstdint>

// Arithmetic on values read from the data files: a crafted file must not cause undefined
// behaviour, so sums are taken in 64 bits and stored with the 32-bit wrap the checksums assume.

// The low 32 bits of value, as a two's-complement integer.
int32_t Wrap32(int64_t value);

// sum / count rounded to the nearest integer, halves to the even neighbour, computed exactly.
// count must be at least 1.
int64_t RoundedAverage(int64_t sum, int64_t count);

// value rounded to the nearest integer, halves to the even neighbour; clamped to the 32-bit
// range, and 0 for a value that is not a number.
int32_t RoundToInt32(double value);
