#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <regex>
#include <string>

namespace
{

// The floors of the house, lowest first: each may use only those below it.
constexpr std::array<const char *, 7> kFloors{"platform",    "data",    "game", "coach",
                                              "competition", "results", "app"};

int floorOf(const std::string &folder)
{
    const auto it = std::find(kFloors.begin(), kFloors.end(), folder);
    return it == kFloors.end() ? -1 : int(it - kFloors.begin());
}

TEST(Layering, NoIncludeRunsUpward)
{
    const std::filesystem::path root = VERTOX_SOURCE_DIR;
    const std::regex include(R"(^\s*#\s*include\s*"(\w+)/)");
    int filesRead = 0;
    for (const char *folder : kFloors) {
        for (const auto &entry : std::filesystem::directory_iterator(root / folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".h" && ext != ".cpp")
                continue;
            ++filesRead;
            std::ifstream in(entry.path());
            std::string line;
            for (int number = 1; std::getline(in, line); ++number) {
                std::smatch match;
                if (std::regex_search(line, match, include))
                    EXPECT_LE(floorOf(match[1]), floorOf(folder))
                        << entry.path().filename() << ":" << number << " " << line;
            }
        }
    }
    EXPECT_GT(filesRead, 100);
}

} // namespace
