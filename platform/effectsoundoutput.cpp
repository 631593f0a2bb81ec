// The sound output module: plays through Qt Multimedia's sound effects.
#include "platform/soundoutput.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <map>
#include <memory>

namespace
{

class EffectSoundOutput : public SoundOutput
{
public:
    void play(const std::string &path) override
    {
        // A machine without any audio output plays nothing rather than waiting on a device.
        if (QMediaDevices::audioOutputs().isEmpty())
            return;
        stop();
        m_current = effectFor(QString::fromStdString(path));
        m_current->play();
    }
    bool isPlaying() const override { return m_current && m_current->isPlaying(); }
    void stop() override
    {
        if (m_current)
            m_current->stop();
    }

private:
    QSoundEffect *effectFor(const QString &path)
    {
        auto &effect = m_effects[path];
        if (!effect) {
            effect = std::make_unique<QSoundEffect>();
            effect->setSource(QUrl::fromLocalFile(path));
        }
        return effect.get();
    }

    QSoundEffect *m_current = nullptr;
    // One loaded effect per file, so a sound repeated during a throw starts at once.
    std::map<QString, std::unique_ptr<QSoundEffect>> m_effects;
};

} // namespace

extern "C" Q_DECL_EXPORT SoundOutput *vertoxCreateSoundOutput()
{
    return new EffectSoundOutput;
}
