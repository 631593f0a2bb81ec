#include "app/settings.h"

#include "platform/cp1251.h"
#include "platform/profilefile.h"

#include <array>

namespace
{

constexpr const char *kSection = "SOUND";
constexpr const char *kSwitchKey = "is_sound";

struct SoundKey {
    const char *key;
    const char *fallback;
};

constexpr std::array<SoundKey, 8> kSoundKeys = {{
    {"YourTurnSound", "yourturn.wav"},
    {"MoveCubeSound", "movecube.wav"},
    {"ShowCubeSound", "showcube.wav"},
    {"WriteSound", "write.wav"},
    {"DownWriteSound", "downwr.wav"},
    {"WaitPrizeSound", "waitpriz.wav"},
    {"GoodPrizeSound", "goodpriz.wav"},
    {"BadPrizeSound", "badpriz.wav"},
}};

// Counted in characters of the file's code page, where each is one byte.
std::string cutName(const std::string &name)
{
    return cp1251::toUtf8(cp1251::fromUtf8(name, kSoundNameChars));
}

} // namespace

void readSoundSettings(const std::filesystem::path &path, bool &soundOn, SoundNames &names)
{
    const ProfileFile profile = ProfileFile::load(path).value_or(ProfileFile());
    soundOn = profile.readBool(kSection, kSwitchKey, false);
    for (std::size_t n = 1; n <= names.size(); ++n) {
        const SoundKey &entry = kSoundKeys[n - 1];
        names[n] = cutName(profile.readString(kSection, entry.key, entry.fallback));
    }
}

bool writeSoundSettings(const std::filesystem::path &path, bool soundOn, const SoundNames &names)
{
    // An unreadable file is left alone rather than replaced by the nine keys alone.
    auto profile = ProfileFile::load(path);
    if (!profile)
        return false;
    profile->writeBool(kSection, kSwitchKey, soundOn);
    for (std::size_t n = 1; n <= names.size(); ++n)
        profile->writeString(kSection, kSoundKeys[n - 1].key, cutName(names[n]));
    return profile->save(path);
}
