#pragma once

#include <QString>

// Opens a help text from the game folder in the desktop's text viewer, without waiting.
// False when the file is missing or no viewer could be started.
bool openTextFile(const QString &folder, const QString &name);
