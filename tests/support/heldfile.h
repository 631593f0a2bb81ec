#pragma once

#include <filesystem>

// A file held open as a running program holds it: on Windows through a handle that lets it be
// read but neither replaced nor removed, on Linux also with the exclusive lock that a running
// copy keeps on its lock file.
class HeldFile
{
public:
    explicit HeldFile(const std::filesystem::path &path);
    ~HeldFile() { release(); }
    HeldFile(const HeldFile &) = delete;
    HeldFile &operator=(const HeldFile &) = delete;

    bool held() const { return m_held; }
    void release();

private:
    bool m_held = false;
#ifdef _WIN32
    void *m_handle;
#else
    int m_descriptor;
#endif
};
