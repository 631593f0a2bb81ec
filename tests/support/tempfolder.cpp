#include "tests/support/tempfolder.h"

#include <fstream>
#include <iterator>
#include <random>

TempFolder::TempFolder()
{
    std::random_device device;
    m_path = std::filesystem::temp_directory_path() /
             ("vertoxtest-" + std::to_string(device()) + std::to_string(device()));
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
        const std::string name = entry.path().filename().string();
        files[name] = read(name.c_str());
    }
    return files;
}
