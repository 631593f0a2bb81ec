#pragma once

#include "platform/sounddevice.h"

#include <QString>

#include <memory>

class SoundOutput;

// Plays short wave files. Opening only checks the file; the audio libraries are first loaded
// by play(), from the sound module beside the program, so nothing touches a device while sound
// is off. Without the module or any audio output the sounds are silent.
class QtSoundDevice : public SoundDevice
{
public:
    // moduleFolder: where the sound module is, the program's own folder when empty.
    explicit QtSoundDevice(const QString &moduleFolder = QString());
    ~QtSoundDevice() override;

    // Accepts only an existing PCM wave file, opened by the name as given.
    bool open(const std::string &file) override;
    void play() override;
    bool isPlaying() const override;
    void stop() override;
    void close() override;

    // Whether play() found the sound module; false before the first play.
    bool hasOutput() const { return m_output != nullptr; }

private:
    SoundOutput *output();

    QString m_moduleFolder;
    bool m_loadTried = false;
    std::unique_ptr<SoundOutput> m_output;
    std::string m_openPath; // empty while closed
};
