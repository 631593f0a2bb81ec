#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Whole-file reads and writes. A write goes to a temporary file beside the target that then
// replaces it, so a crash leaves either the old or the new file, never half of one.
namespace filestore
{
std::optional<std::vector<uint8_t>> read(const std::filesystem::path &path);
bool writeWhole(const std::filesystem::path &path, const void *bytes, std::size_t size);
// Whether the file already holds exactly these bytes.
bool holds(const std::filesystem::path &path, const void *bytes, std::size_t size);
// Keeps a damaged file as "<name>.bad" before it is reset, for recovery by hand.
void keepDamagedCopy(const std::filesystem::path &path);
// Whether a regular file stands at path: one that read() refused is there but unreadable.
bool existsUnread(const std::filesystem::path &path);
// Moves a file that cannot be read to "<name>.bad"; a rename needs no read access.
bool setAside(const std::filesystem::path &path);
} // namespace filestore
