#include "tools/bitmap16.h"

namespace
{

// RGB of the standard 16-colour palette, in the order of Bitmap16::Colour.
constexpr std::array<uint32_t, 16> kPalette = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};

constexpr uint32_t kFileHeaderSize = 14;
constexpr uint32_t kInfoHeaderSize = 40;
constexpr uint32_t kPaletteSize = 16 * 4;

void put16(std::vector<uint8_t> &out, uint32_t v)
{
    out.push_back(uint8_t(v));
    out.push_back(uint8_t(v >> 8));
}

void put32(std::vector<uint8_t> &out, uint32_t v)
{
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

} // namespace

Bitmap16::Bitmap16(int width, int height, Colour fill)
    : m_width(width), m_height(height), m_pixels(std::size_t(width * height), fill)
{
}

std::vector<uint8_t> Bitmap16::toBmp() const
{
    // Two pixels a byte, each row padded to a multiple of four bytes.
    const uint32_t rowBytes = (uint32_t(m_width + 1) / 2 + 3) / 4 * 4;
    const uint32_t imageSize = rowBytes * uint32_t(m_height);
    const uint32_t offset = kFileHeaderSize + kInfoHeaderSize + kPaletteSize;

    std::vector<uint8_t> out;
    out.reserve(offset + imageSize);
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + imageSize);
    put32(out, 0);
    put32(out, offset);

    put32(out, kInfoHeaderSize);
    put32(out, uint32_t(m_width));
    put32(out, uint32_t(m_height));
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, imageSize);
    put32(out, 3780); // 96 dots per inch
    put32(out, 3780);
    put32(out, 16);
    put32(out, 0);

    for (uint32_t rgb : kPalette) {
        out.push_back(uint8_t(rgb));
        out.push_back(uint8_t(rgb >> 8));
        out.push_back(uint8_t(rgb >> 16));
        out.push_back(0);
    }

    for (int y = m_height - 1; y >= 0; --y) {
        const std::size_t rowStart = out.size();
        for (int x = 0; x < m_width; x += 2) {
            const uint8_t right = x + 1 < m_width ? pixel(x + 1, y) : 0;
            out.push_back(uint8_t(pixel(x, y) << 4 | right));
        }
        out.resize(rowStart + rowBytes, 0);
    }
    return out;
}
