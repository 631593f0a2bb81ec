#include "platform/filestore.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace filestore
{

std::optional<std::vector<uint8_t>> read(const std::filesystem::path &path)
{
    // A folder or device in the file's place counts as a file that cannot be opened.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    try {
        std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
        return bytes;
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

bool writeWhole(const std::filesystem::path &path, const void *bytes, std::size_t size)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
#ifdef _WIN32
    // The wide name: a narrow one would lose letters outside the system's code page.
    std::FILE *file = ::_wfopen(temporary.c_str(), L"wb");
#else
    std::FILE *file = std::fopen(temporary.c_str(), "wb");
#endif
    if (!file)
        return false;
    bool ok = std::fwrite(bytes, 1, size, file) == size && std::fflush(file) == 0;
#ifdef _WIN32
    ok = ok && ::_commit(::_fileno(file)) == 0;
#else
    ok = ok && ::fsync(::fileno(file)) == 0;
#endif
    ok = std::fclose(file) == 0 && ok;
    std::error_code error;
    if (ok)
        std::filesystem::rename(temporary, path, error);
    if (!ok || error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool holds(const std::filesystem::path &path, const void *bytes, std::size_t size)
{
    const auto stored = read(path);
    return stored && stored->size() == size && std::memcmp(stored->data(), bytes, size) == 0;
}

void keepDamagedCopy(const std::filesystem::path &path)
{
    std::filesystem::path copy = path;
    copy += ".bad";
    std::error_code error;
#ifdef _WIN32
    // MinGW's copy_file takes any two files for one and the same, so it never replaces one.
    std::filesystem::remove(copy, error);
#endif
    std::filesystem::copy_file(path, copy, std::filesystem::copy_options::overwrite_existing,
                               error);
}

bool existsUnread(const std::filesystem::path &path)
{
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

bool setAside(const std::filesystem::path &path)
{
    std::filesystem::path aside = path;
    aside += ".bad";
    std::error_code error;
    std::filesystem::rename(path, aside, error);
    return !error;
}

} // namespace filestore
