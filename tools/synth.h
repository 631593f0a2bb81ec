#pragma once

#include <cstdint>
#include <vector>

// A mono buffer that tones and noise bursts are mixed into. Every sound starts softly and
// decays, and the whole track fades out at its end, so nothing clicks.
class Track
{
public:
    static constexpr int kRate = 22050;

    explicit Track(double seconds);

    struct Tone {
        double start;        // seconds
        double length;       // seconds
        double fromHz;       // the pitch glides from here...
        double toHz;         // ...to here over the length
        double level;        // peak amplitude before mixing
        double decay;        // seconds for the level to fall to about a third
        double overtone = 0; // share of the octave above, for a bell-like colour
    };
    void tone(const Tone &t);

    // A burst of softened noise: higher smoothing gives a duller knock.
    void noise(double start, double length, double level, double decay, double smoothing);

    // The mix scaled so its loudest sample reaches peak (0..1), as 16-bit samples.
    std::vector<int16_t> samples(double peak) const;

private:
    double envelope(double t, double length, double decay) const;

    std::vector<double> m_buffer;
    uint32_t m_noiseState = 12345; // fixed, so every build writes the same files
};
