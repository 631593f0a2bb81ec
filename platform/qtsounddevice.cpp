#include "platform/qtsounddevice.h"

#include "data/filestore.h"
#include "platform/wavecheck.h"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include <filesystem>

namespace
{

// The game's sounds are short; a huge file would only be held in memory whole.
constexpr std::uintmax_t kLargestFile = 16u << 20;

bool isPlayableFile(const std::string &file)
{
    std::error_code error;
    const std::filesystem::path path(file);
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kLargestFile)
        return false;
    const auto bytes = filestore::read(path);
    return bytes && readWaveFormat(*bytes).has_value();
}

} // namespace

QtSoundDevice::QtSoundDevice() = default;
QtSoundDevice::~QtSoundDevice() = default;

bool QtSoundDevice::open(const std::string &file)
{
    close();
    if (file.empty() || !isPlayableFile(file))
        return false;
    m_openPath = QFileInfo(QString::fromStdString(file)).absoluteFilePath();
    return true;
}

QSoundEffect *QtSoundDevice::effectFor(const QString &path)
{
    auto &effect = m_effects[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect.get();
}

void QtSoundDevice::play()
{
    // A machine without any audio output plays nothing rather than waiting on a device.
    if (m_openPath.isEmpty() || QMediaDevices::audioOutputs().isEmpty())
        return;
    m_current = effectFor(m_openPath);
    m_current->stop();
    m_current->play();
}

bool QtSoundDevice::isPlaying() const
{
    return m_current && m_current->isPlaying();
}

void QtSoundDevice::stop()
{
    if (m_current)
        m_current->stop();
}

void QtSoundDevice::close()
{
    stop();
    m_current = nullptr;
    m_openPath.clear();
}
