#pragma once

#include "data/onebased.h"
#include "platform/gamefiles.h"

#include <cstddef>
#include <filesystem>
#include <string>

// The player's settings: the sound switch and the wave file of each of the eight sounds,
// numbered as the game plays them.
inline constexpr std::size_t kSoundNameChars = 20;

using SoundNames = OneBased<std::string, 8>;

// A missing file or key gives the default: sound off and the shipped wave files. Names are
// cut to their first 20 characters.
void readSoundSettings(const std::filesystem::path &path, bool &soundOn, SoundNames &names);

// Stores the switch and the names (cut to 20 characters), leaving the rest of the file as it
// was. False when the file exists but cannot be read, or cannot be replaced.
bool writeSoundSettings(const std::filesystem::path &path, bool soundOn, const SoundNames &names);
