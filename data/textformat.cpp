#include "data/textformat.h"

#include <charconv>

namespace
{

std::string padLeft(std::string text, uint8_t width)
{
    if (text.size() < width)
        text.insert(0, width - text.size(), ' ');
    return text;
}

} // namespace

std::string IntText(int32_t value, uint8_t width)
{
    return padLeft(std::to_string(value), width);
}

std::string FloatText(double value, uint8_t width, uint8_t decimals)
{
    // to_chars ignores the desktop's locale: the point is always a point.
    char buffer[400];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return padLeft(std::string(buffer, written.ptr), width);
}
