#pragma once

#include <cstddef>
#include <filesystem>

// The system calls under filestore's whole-file writes. On Windows a file that an antivirus
// scanner, the search indexer or a sync client holds open for a moment refuses to be created,
// replaced or removed; these calls wait for it, up to about two seconds, and fail at once on
// any other error.
namespace nativefiles
{
// Creates or empties the file and writes the bytes through to the disk.
bool writeNew(const std::filesystem::path &path, const void *bytes, std::size_t size);
// Renames from over to, replacing any file there in one step.
bool replace(const std::filesystem::path &from, const std::filesystem::path &to);
// Removes the file; true when it is gone.
bool remove(const std::filesystem::path &path);
} // namespace nativefiles
