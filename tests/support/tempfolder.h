#pragma once

#include "platform/pathtext.h"

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

// A fresh folder per test, removed afterwards. On Windows the suites run with a temporary
// folder whose path holds Cyrillic letters, as C:\Users\Иван\AppData\Local\Temp would.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder &) = delete;
    TempFolder &operator=(const TempFolder &) = delete;

    const std::filesystem::path &path() const { return m_path; }
    std::filesystem::path file(const char *name) const { return m_path / pathFromUtf8(name); }
    std::vector<uint8_t> read(const char *name) const;
    void write(const char *name, const std::vector<uint8_t> &bytes) const;
    // Every file in the folder with its bytes, to show that nothing was written.
    std::map<std::string, std::vector<uint8_t>> contents() const;

private:
    std::filesystem::path m_path;
};
