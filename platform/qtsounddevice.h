#pragma once

#include "platform/sounddevice.h"

#include <QString>

#include <filesystem>
#include <memory>

class SoundOutput;

// Plays short wave files. Opening only checks the file; the audio libraries are first loaded
// by play(), from the sound module beside the program, so nothing touches a device while sound
// is off. Without the module or any audio output the sounds are silent.
class QtSoundDevice : public SoundDevice
{
public:
    // soundFolder: where sound files named without a folder are, the working folder when
    // empty; moduleFolder: where the sound module is, the program's own folder when empty.
    explicit QtSoundDevice(std::filesystem::path soundFolder = {},
                           const QString &moduleFolder = QString());
    ~QtSoundDevice() override;

    // Accepts only an existing PCM wave file, its name in UTF-8.
    bool open(const std::string &file) override;
    void play() override;
    bool isPlaying() const override;
    void stop() override;
    void close() override;

    // Whether play() found the sound module; false before the first play.
    bool hasOutput() const { return m_output != nullptr; }

private:
    SoundOutput *output();

    std::filesystem::path m_soundFolder;
    QString m_moduleFolder;
    bool m_loadTried = false;
    std::unique_ptr<SoundOutput> m_output;
    std::string m_openPath; // empty while closed
};
