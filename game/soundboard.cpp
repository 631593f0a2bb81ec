#include "game/soundboard.h"

#include "platform/sounddevice.h"

SoundBoard::SoundBoard(const bool &soundOn, SoundDevice &device)
    : m_soundOn(soundOn), m_device(device)
{
}

void SoundBoard::checkFiles()
{
    for (auto &name : names) {
        if (name == kNone)
            continue;
        if (m_device.open(name))
            m_device.close();
        else
            name = kNone;
    }
}

void SoundBoard::PlaySound(int n)
{
    if (!m_soundOn || names[std::size_t(n)] == kNone)
        return;
    if (m_device.isPlaying()) {
        m_device.stop();
        m_device.close();
    }
    if (m_device.open(names[std::size_t(n)]))
        m_device.play();
}
