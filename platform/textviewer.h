#pragma once

#include <QString>

#include <functional>

// Asks the desktop to show a file in its own program; false when none could be started.
using DesktopOpener = std::function<bool(const QString &path)>;
bool openOnDesktop(const QString &path);

// Opens a help text from the game folder without waiting: in Notepad on Windows, with the
// desktop's program for texts elsewhere, and in a read-only window of the game's own when
// neither can be started. False when the file is missing or cannot be read.
bool openTextFile(const QString &folder, const QString &name,
                  const DesktopOpener &desktop = openOnDesktop);
