#include "tests/support/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <random>

namespace
{

#ifdef _WIN32
// A temporary folder without Cyrillic letters would test nothing of the names a Russian
// player's folders have.
void expectCyrillic(const std::filesystem::path &folder)
{
    const std::u16string name = folder.u16string();
    EXPECT_TRUE(std::any_of(name.begin(), name.end(),
                            [](char16_t c) { return c >= u'\u0400' && c <= u'\u04ff'; }))
        << "the temporary folder " << utf8Of(folder) << " has no Cyrillic letters";
}
#endif

} // namespace

TempFolder::TempFolder()
{
    std::random_device device;
    const std::filesystem::path temporary = std::filesystem::temp_directory_path();
#ifdef _WIN32
    expectCyrillic(temporary);
#endif
    m_path = temporary / ("vertoxtest-" + std::to_string(device()) + std::to_string(device()));
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code error;
    std::filesystem::remove_all(m_path, error);
}

std::vector<uint8_t> TempFolder::read(const char *name) const
{
    std::ifstream in(file(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void TempFolder::write(const char *name, const std::vector<uint8_t> &bytes) const
{
    std::ofstream out(file(name), std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
}

std::map<std::string, std::vector<uint8_t>> TempFolder::contents() const
{
    std::map<std::string, std::vector<uint8_t>> files;
    for (const auto &entry : std::filesystem::directory_iterator(m_path)) {
        const std::string name = utf8Of(entry.path().filename());
        files[name] = entry.is_regular_file() ? read(name.c_str()) : std::vector<uint8_t>{};
    }
    return files;
}
