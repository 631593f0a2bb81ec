// The sound output module on Windows: plays through the multimedia API's MCI wave audio
// device, as the game always has there. Without a sound device the sounds are silent.
#include "platform/soundoutput.h"

#include <windows.h>

#include <mmsystem.h>

namespace
{

std::wstring widened(const std::string &utf8)
{
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), nullptr, 0);
    std::wstring wide(std::size_t(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), int(utf8.size()), wide.data(), length);
    return wide;
}

class WinmmSoundOutput : public SoundOutput
{
public:
    ~WinmmSoundOutput() override { close(); }

    void play(const std::string &path) override
    {
        // The file stays open after it ends, so a sound repeated during a throw starts at once.
        if (path != m_path) {
            close();
            if (!open(path))
                return;
        }
        MCI_PLAY_PARMS from{};
        from.dwFrom = 0;
        if (send(MCI_PLAY, MCI_FROM, &from) != 0)
            close();
    }

    bool isPlaying() const override
    {
        MCI_STATUS_PARMS status{};
        status.dwItem = MCI_STATUS_MODE;
        return m_device != 0 && send(MCI_STATUS, MCI_STATUS_ITEM, &status) == 0 &&
               status.dwReturn == MCI_MODE_PLAY;
    }

    void stop() override
    {
        if (m_device != 0)
            send(MCI_STOP, MCI_WAIT);
    }

private:
    bool open(const std::string &path)
    {
        const std::wstring file = widened(path);
        MCI_OPEN_PARMSW parameters{};
        parameters.lpstrDeviceType = L"waveaudio";
        parameters.lpstrElementName = file.c_str();
        if (mciSendCommandW(0, MCI_OPEN, MCI_OPEN_TYPE | MCI_OPEN_ELEMENT | MCI_WAIT,
                            reinterpret_cast<DWORD_PTR>(&parameters)) != 0)
            return false;
        m_device = parameters.wDeviceID;
        m_path = path;
        return true;
    }

    void close()
    {
        if (m_device != 0)
            send(MCI_CLOSE, MCI_WAIT);
        m_device = 0;
        m_path.clear();
    }

    MCIERROR send(UINT message, DWORD flags, void *parameters = nullptr) const
    {
        return mciSendCommandW(m_device, message, flags, reinterpret_cast<DWORD_PTR>(parameters));
    }

    MCIDEVICEID m_device = 0;
    std::string m_path; // the file the open device plays; empty while closed
};

} // namespace

extern "C" __declspec(dllexport) SoundOutput *vertoxCreateSoundOutput()
{
    return new WinmmSoundOutput;
}
