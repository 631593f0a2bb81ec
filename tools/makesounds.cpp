// Writes the game's eight sounds as short 16-bit mono wave files into the given folder.
#include "tools/synth.h"
#include "tools/wavefile.h"

#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>

namespace
{

struct Sound {
    const char *file;
    double seconds;
    double peak;
    std::function<void(Track &)> compose;
};

// Pitches of the notes used, in Hz.
constexpr double kC5 = 523.25, kE5 = 659.26, kF4 = 349.23, kE4 = 329.63, kA4 = 440.0, kG5 = 783.99,
                 kC6 = 1046.5, kG6 = 1567.98, kD7 = 2349.32;

const Sound kSounds[] = {
    {"yourturn.wav", 0.55, 0.55,
     [](Track &t) {
         t.tone({0.0, 0.3, kG5, kG5, 1.0, 0.18, 0.25});
         t.tone({0.15, 0.4, kC6, kC6, 1.0, 0.22, 0.25});
     }},
    {"movecube.wav", 0.12, 0.5,
     [](Track &t) {
         t.noise(0.0, 0.06, 1.0, 0.012, 0.85);
         t.tone({0.0, 0.1, 220, 140, 0.8, 0.025});
     }},
    {"showcube.wav", 0.15, 0.45,
     [](Track &t) {
         t.noise(0.0, 0.02, 1.0, 0.005, 0.3);
         t.noise(0.035, 0.02, 0.6, 0.005, 0.3);
         t.noise(0.06, 0.02, 0.35, 0.005, 0.3);
         t.tone({0.0, 0.05, 2400, 2200, 0.4, 0.01});
     }},
    {"write.wav", 0.35, 0.5,
     [](Track &t) {
         t.tone({0.0, 0.35, kG6, kG6, 1.0, 0.09, 0.3});
         t.tone({0.0, 0.35, kD7, kD7, 0.3, 0.05});
     }},
    {"downwr.wav", 0.35, 0.6,
     [](Track &t) {
         t.tone({0.0, 0.35, 330, 150, 1.0, 0.12, 0.2});
     }},
    {"waitpriz.wav", 0.15, 0.5,
     [](Track &t) {
         t.tone({0.0, 0.15, 160, 90, 1.0, 0.04});
         t.noise(0.0, 0.03, 0.3, 0.01, 0.7);
     }},
    {"goodpriz.wav", 0.6, 0.55,
     [](Track &t) {
         const double notes[] = {kC5, kE5, kG5, kC6};
         for (int i = 0; i < 4; ++i) {
             const double start = 0.08 * i;
             t.tone({start, 0.6 - start, notes[i], notes[i], 1.0, i == 3 ? 0.2 : 0.12, 0.2});
         }
     }},
    {"badpriz.wav", 0.55, 0.5,
     [](Track &t) {
         t.tone({0.0, 0.3, kA4, kA4, 1.0, 0.15, 0.1});
         t.tone({0.22, 0.33, kF4, kE4, 1.0, 0.18, 0.1});
     }},
};

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::cerr << "usage: makesounds FOLDER\n";
        return 2;
    }
    for (const Sound &sound : kSounds) {
        Track track(sound.seconds);
        sound.compose(track);
        const auto bytes = encodeWave(track.samples(sound.peak), Track::kRate);
        const auto path = std::filesystem::path(argv[1]) / sound.file;
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(bytes.data()), std::streamsize(bytes.size()));
        out.close();
        if (!out) {
            std::cerr << "makesounds: cannot write " << path << "\n";
            return 1;
        }
    }
    return 0;
}
