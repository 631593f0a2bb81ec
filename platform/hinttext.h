#pragma once

#include <QString>

// A hint is "short|long": the short part is the tool tip, the long one goes to the status bar.
// A hint without "|" is both.
inline QString shortHint(const QString &hint)
{
    return hint.section(QLatin1Char('|'), 0, 0);
}

inline QString longHint(const QString &hint)
{
    // Without a "|" indexOf gives -1, so the whole hint.
    return hint.mid(hint.indexOf(QLatin1Char('|')) + 1);
}
