#pragma once

#include <QString>

// The fonts the windows are drawn for. Windows has them; Linux draws with the Liberation fonts
// of the same widths in their place.
namespace fontnames
{
#ifdef Q_OS_WIN
inline QString fixed()
{
    return QStringLiteral("Courier New");
}
inline QString sans()
{
    return QStringLiteral("MS Sans Serif");
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
