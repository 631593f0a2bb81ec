#pragma once

#include <QString>

#include <filesystem>

// Paths between Qt and the standard library in UTF-16, never through a narrow string, which
// MinGW's library reads in the ANSI code page.
inline QString qtPath(const std::filesystem::path &path)
{
    return QString::fromStdU16String(path.u16string());
}

inline std::filesystem::path stdPath(const QString &path)
{
    return std::filesystem::path(path.toStdU16String());
}
