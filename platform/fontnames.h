#pragma once

#include <QString>

// The fonts the windows are drawn for, TrueType with Cyrillic on every Windows since 2000.
// Linux draws with the Liberation fonts in their place: Liberation Mono has Courier New's
// widths, Liberation Sans has Arial's (not Microsoft Sans Serif's).
namespace fontnames
{
#ifdef Q_OS_WIN
inline QString fixed()
{
    return QStringLiteral("Courier New");
}
inline QString sans()
{
    return QStringLiteral("Microsoft Sans Serif");
}
#else
inline QString fixed()
{
    return QStringLiteral("Liberation Mono");
}
inline QString sans()
{
    return QStringLiteral("Liberation Sans");
}
#endif
} // namespace fontnames
