#pragma once

#include <string>

// The part of the sound device that needs the audio libraries. It lives in a module of its
// own, loaded on the first sound played, so a game with sound off never loads them.
class SoundOutput
{
public:
    virtual ~SoundOutput() = default;
    // Starts the wave file at an absolute path in UTF-8, stopping what this output was playing.
    virtual void play(const std::string &path) = 0;
    virtual bool isPlaying() const = 0;
    virtual void stop() = 0;
};

// The module's one entry point.
#define VERTOX_SOUND_OUTPUT_ENTRY "vertoxCreateSoundOutput"
extern "C" using CreateSoundOutput = SoundOutput * ();
