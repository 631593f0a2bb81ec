#pragma once

#include "data/onebased.h"

#include <string>

class SoundDevice;

// The eight sounds by number (see Sound in gameview.h) and the file each plays.
class SoundBoard
{
public:
    static constexpr const char *kNone = "<none>";

    SoundBoard(const bool &soundOn, SoundDevice &device);

    // Set from the settings file; each name at most 20 characters.
    OneBased<std::string, 8> names;

    // At game window creation: a file that cannot be opened is silenced for the run.
    void checkFiles();
    // Plays sound n (1..8) unless sound is off or the sound is silenced.
    void PlaySound(int n);

private:
    const bool &m_soundOn;
    SoundDevice &m_device;
};
