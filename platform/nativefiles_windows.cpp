#include "platform/nativefiles.h"

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <thread>

namespace nativefiles
{

namespace
{

using std::chrono::milliseconds;

constexpr milliseconds kRetryLimit{2000};
constexpr milliseconds kFirstPause{10};
constexpr milliseconds kLongestPause{250};

// What Windows answers while another program has the file open. A folder or a read-only file
// in the target's place is refused the same way, but waiting would not change that.
bool isBusy(DWORD error, const std::filesystem::path &target)
{
    if (error == ERROR_ACCESS_DENIED) {
        const DWORD attributes = GetFileAttributesW(target.c_str());
        return attributes == INVALID_FILE_ATTRIBUTES ||
               !(attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY));
    }
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION;
}

// Repeats an attempt on target (a call that sets the last error when it fails) while the file
// is busy, with pauses growing from 10 ms, until it succeeds or the time is up.
template <typename Attempt>
bool retryWhileBusy(const std::filesystem::path &target, Attempt attempt)
{
    const auto deadline = std::chrono::steady_clock::now() + kRetryLimit;
    milliseconds pause = kFirstPause;
    while (!attempt()) {
        if (!isBusy(GetLastError(), target) || std::chrono::steady_clock::now() + pause > deadline)
            return false;
        std::this_thread::sleep_for(pause);
        pause = std::min(pause * 2, kLongestPause);
    }
    return true;
}

} // namespace

bool writeNew(const std::filesystem::path &path, const void *bytes, std::size_t size)
{
    HANDLE file = INVALID_HANDLE_VALUE;
    if (!retryWhileBusy(path, [&] {
            file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
            return file != INVALID_HANDLE_VALUE;
        }))
        return false;
    DWORD written = 0;
    bool ok = size <= MAXDWORD && WriteFile(file, bytes, DWORD(size), &written, nullptr) &&
              written == size && FlushFileBuffers(file);
    return CloseHandle(file) && ok;
}

bool replace(const std::filesystem::path &from, const std::filesystem::path &to)
{
    return retryWhileBusy(to, [&] {
        return MoveFileExW(from.c_str(), to.c_str(),
                           MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
    });
}

bool remove(const std::filesystem::path &path)
{
    return retryWhileBusy(path, [&] {
        return DeleteFileW(path.c_str()) != 0 || GetLastError() == ERROR_FILE_NOT_FOUND;
    });
}

} // namespace nativefiles
