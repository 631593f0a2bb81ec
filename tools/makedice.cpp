// Writes the game's die pictures: six 50 x 50 16-colour BMP files, faces 1 to 6, back to back.
#include "tools/diefaces.h"

#include <fstream>
#include <iostream>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: makedice OUTPUT\n";
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    for (int face = 1; face <= 6; ++face) {
        const auto bmp = drawDieFace(face).toBmp();
        out.write(reinterpret_cast<const char *>(bmp.data()), std::streamsize(bmp.size()));
    }
    out.close();
    if (!out) {
        std::cerr << "makedice: cannot write " << argv[1] << "\n";
        return 1;
    }
    return 0;
}
