#include "platform/filestore.h"

#include "platform/nativefiles.h"

#include <cstring>
#include <fstream>
#include <system_error>

namespace filestore
{

std::optional<std::vector<uint8_t>> read(const std::filesystem::path &path)
{
    // A folder or device in the file's place counts as a file that cannot be opened.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        return std::nullopt;
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    const std::streamoff size = in ? std::streamoff(in.tellg()) : -1;
    if (size < 0 || !in.seekg(0))
        return std::nullopt;
    try {
        // Read in one call: byte by byte, the sounds alone cost a noticeable part of start-up.
        std::vector<uint8_t> bytes(static_cast<std::size_t>(size));
        if (size > 0 && !in.read(reinterpret_cast<char *>(bytes.data()), size))
            return std::nullopt;
        return bytes;
    } catch (const std::exception &) {
        return std::nullopt;
    }
}

bool writeWhole(const std::filesystem::path &path, const void *bytes, std::size_t size)
{
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    if (nativefiles::writeNew(temporary, bytes, size) && nativefiles::replace(temporary, path))
        return true;
    nativefiles::remove(temporary);
    return false;
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
    if (const auto bytes = read(path))
        writeWhole(copy, bytes->data(), bytes->size());
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
    return nativefiles::replace(path, aside);
}

} // namespace filestore
