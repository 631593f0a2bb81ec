#include "platform/qtsounddevice.h"

#include "platform/filestore.h"
#include "platform/pathtext.h"
#include "platform/soundoutput.h"
#include "platform/wavecheck.h"

#include <QCoreApplication>
#include <QLibrary>

#include <filesystem>

namespace
{

// The game's sounds are short; a huge file would only be held in memory whole.
constexpr std::uintmax_t kLargestFile = 16u << 20;

bool isPlayableFile(const std::filesystem::path &path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kLargestFile)
        return false;
    const auto bytes = filestore::read(path);
    return bytes && readWaveFormat(*bytes).has_value();
}

} // namespace

QtSoundDevice::QtSoundDevice(std::filesystem::path soundFolder, const QString &moduleFolder)
    : m_soundFolder(std::move(soundFolder)), m_moduleFolder(moduleFolder)
{
}

QtSoundDevice::~QtSoundDevice() = default;

bool QtSoundDevice::open(const std::string &file)
{
    close();
    if (file.empty())
        return false;
    const auto path = m_soundFolder / pathFromUtf8(file);
    if (!isPlayableFile(path))
        return false;
    std::error_code error;
    m_openPath = utf8Of(std::filesystem::absolute(path, error));
    return !error;
}

SoundOutput *QtSoundDevice::output()
{
    if (!m_loadTried) {
        m_loadTried = true;
        const QString folder =
            m_moduleFolder.isEmpty() ? QCoreApplication::applicationDirPath() : m_moduleFolder;
        QLibrary module(folder + QStringLiteral("/vertoxsound"));
        if (auto create =
                reinterpret_cast<CreateSoundOutput *>(module.resolve(VERTOX_SOUND_OUTPUT_ENTRY)))
            m_output.reset(create());
    }
    return m_output.get();
}

void QtSoundDevice::play()
{
    if (m_openPath.empty())
        return;
    if (SoundOutput *out = output())
        out->play(m_openPath);
}

bool QtSoundDevice::isPlaying() const
{
    return m_output && m_output->isPlaying();
}

void QtSoundDevice::stop()
{
    if (m_output)
        m_output->stop();
}

void QtSoundDevice::close()
{
    stop();
    m_openPath.clear();
}
