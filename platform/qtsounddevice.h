#pragma once

#include "platform/sounddevice.h"

#include <QString>

#include <map>
#include <memory>

class QSoundEffect;

// Plays short wave files through Qt Multimedia. Opening only checks the file; the audio output
// is first touched by play(), so nothing opens a device while sound is off. Without any audio
// output the sounds are silent.
class QtSoundDevice : public SoundDevice
{
public:
    QtSoundDevice();
    ~QtSoundDevice() override;

    // Accepts only an existing PCM wave file, opened by the name as given.
    bool open(const std::string &file) override;
    void play() override;
    bool isPlaying() const override;
    void stop() override;
    void close() override;

private:
    QSoundEffect *effectFor(const QString &path);

    QString m_openPath; // empty while closed
    QSoundEffect *m_current = nullptr;
    // One loaded effect per file, so a sound repeated during a throw starts at once.
    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
};
