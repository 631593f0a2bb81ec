#include "tests/support/heldfile.h"

#include <utility>

#ifdef _WIN32
#include <windows.h>

HeldFile::HeldFile(const std::filesystem::path &path)
    : m_handle(CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr))
{
    m_held = m_handle != INVALID_HANDLE_VALUE;
}

void HeldFile::release()
{
    if (std::exchange(m_held, false))
        CloseHandle(m_handle);
}
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

HeldFile::HeldFile(const std::filesystem::path &path) : m_descriptor(::open(path.c_str(), O_RDWR))
{
    m_held = m_descriptor >= 0;
    if (m_held && ::flock(m_descriptor, LOCK_EX | LOCK_NB) != 0)
        release();
}

void HeldFile::release()
{
    if (std::exchange(m_held, false))
        ::close(m_descriptor);
}
#endif
