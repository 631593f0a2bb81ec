#include "platform/nativefiles.h"

#include <cstdio>
#include <system_error>

#include <unistd.h>

namespace nativefiles
{

bool writeNew(const std::filesystem::path &path, const void *bytes, std::size_t size)
{
    std::FILE *file = std::fopen(path.c_str(), "wb");
    if (!file)
        return false;
    // An empty file may come with no buffer at all, which fwrite must not be given.
    bool ok = (size == 0 || std::fwrite(bytes, 1, size, file) == size) && std::fflush(file) == 0 &&
              ::fsync(::fileno(file)) == 0;
    return std::fclose(file) == 0 && ok;
}

bool replace(const std::filesystem::path &from, const std::filesystem::path &to)
{
    std::error_code error;
    std::filesystem::rename(from, to, error);
    return !error;
}

bool remove(const std::filesystem::path &path)
{
    std::error_code error;
    std::filesystem::remove(path, error);
    return !error;
}

} // namespace nativefiles
