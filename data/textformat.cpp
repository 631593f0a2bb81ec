#include "data/textformat.h"

#include <cstdio>

std::string IntText(int32_t value, uint8_t width)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%*d", int(width), int(value));
    return buffer;
}

std::string FloatText(double value, uint8_t width, uint8_t decimals)
{
    char buffer[400];
    std::snprintf(buffer, sizeof buffer, "%*.*f", int(width), int(decimals), value);
    return buffer;
}
