#pragma once

#include <array>
#include <cstdint>
#include <vector>

// A picture of palette indices in the 16 standard Windows colours, saved as a 4-bit BMP file.
class Bitmap16
{
public:
    enum Colour : uint8_t {
        Black = 0,
        Maroon,
        Green,
        Olive,
        Navy,
        Purple,
        Teal,
        Silver,
        Gray,
        Red,
        Lime,
        Yellow,
        Blue,
        Fuchsia,
        Aqua,
        White
    };

    Bitmap16(int width, int height, Colour fill);

    int width() const { return m_width; }
    int height() const { return m_height; }
    // Row 0 is the top row.
    Colour pixel(int x, int y) const { return m_pixels[std::size_t(y * m_width + x)]; }
    void setPixel(int x, int y, Colour c) { m_pixels[std::size_t(y * m_width + x)] = c; }

    // A complete BMP file: file header, info header, palette, rows bottom-up.
    std::vector<uint8_t> toBmp() const;

private:
    int m_width;
    int m_height;
    std::vector<Colour> m_pixels;
};
