#pragma once

#include <QString>

// The folder the game keeps its files in: data files, settings, pictures, sounds, help texts
// and the lock. On Windows it is the folder of vertox.exe whatever folder the game was started
// from (a shortcut with an empty "Start in" field, Win+R, a terminal or another program); on
// Linux it is the working folder, which the launcher chooses.
QString gameFolder();
