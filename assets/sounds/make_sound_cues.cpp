// make_sound_cues: synthesises the program's twenty sound cues as WAV files.
//
// Usage: make_sound_cues <output folder>
//
// Every cue is built from a few notes. A note is a sum of partials (the timbre)
// shaped by a smooth attack, an exponential decay and a smooth release, so every
// cue starts and ends at silence and never clicks. Each finished cue is scaled so
// its loudest sample sits at a soft level (about -6 dBFS) and written as 16-bit
// PCM mono at 44100 Hz. The output depends only on this file, so the build runs
// it again only when the sounds are changed here.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

namespace {

constexpr int kSampleRate = 44100;

// One partial of a timbre: frequency as a multiple of the note's pitch, its
// loudness, and how much faster than the note itself it dies away.
struct Partial {
    double ratio;
    double amplitude;
    double decayFactor;
};

enum class Timbre { Sine, Blip, Bell, Marimba, Reed };

std::vector<Partial> partialsOf(Timbre timbre)
{
    switch (timbre) {
    case Timbre::Sine:
        return {{1.0, 1.0, 1.0}, {2.0, 0.12, 1.5}};
    case Timbre::Blip:        // a rounded square: soft odd harmonics
        return {{1.0, 1.0, 1.0}, {2.0, 0.10, 1.0}, {3.0, 0.16, 1.0}, {5.0, 0.05, 1.0}};
    case Timbre::Bell:        // bright chime: octave and a slightly stretched overtone ring briefly
        return {{1.0, 1.0, 1.0}, {2.0, 0.38, 1.8}, {3.0, 0.14, 2.5}, {4.17, 0.08, 3.5}, {5.43, 0.04, 5.0}};
    case Timbre::Marimba:     // wooden bar: fundamental with quick 4th and 10th partials
        return {{1.0, 1.0, 1.0}, {4.0, 0.20, 4.0}, {9.8, 0.05, 8.0}};
    case Timbre::Reed:        // mellow buzz: odd harmonics falling off steeply, a little even colour
        return {{1.0, 1.0, 1.0}, {2.0, 0.10, 1.0}, {3.0, 0.22, 1.0}, {5.0, 0.08, 1.0},
                {7.0, 0.035, 1.0}, {9.0, 0.015, 1.0}};
    }
    return {{1.0, 1.0, 1.0}};
}

struct Note {
    double start;              // seconds from the beginning of the cue
    double pitch;              // Hz at the start of the note
    double length;             // seconds until the release begins
    Timbre timbre = Timbre::Sine;
    double gain = 1.0;
    double decay = 0.0;        // time constant of the exponential decay in seconds; 0 holds the level
    double attack = 0.004;     // seconds of the smooth rise
    double release = 0.03;     // seconds of the smooth fall at the end
    double pitchEnd = 0.0;     // Hz at the end of the note for a glide; 0 keeps the pitch
    double vibratoRate = 0.0;  // Hz
    double vibratoDepth = 0.0; // fraction of the pitch
};

struct Cue {
    std::string fileName;
    std::vector<Note> notes;
    double peakDb = -6.0;      // level of the loudest sample
};

// Half a cosine from 0 to 1: a rise with no corner at either end.
double smoothStep(double x)
{
    if (x <= 0.0)
        return 0.0;
    if (x >= 1.0)
        return 1.0;
    return 0.5 - 0.5 * std::cos(std::numbers::pi * x);
}

void addNote(std::vector<double> &mix, const Note &note)
{
    const std::vector<Partial> partials = partialsOf(note.timbre);
    const double total = note.length + note.release;
    const auto first = static_cast<std::size_t>(std::lround(note.start * kSampleRate));
    const auto count = static_cast<std::size_t>(std::lround(total * kSampleRate));
    if (mix.size() < first + count + 1)
        mix.resize(first + count + 1, 0.0);

    std::vector<double> phases(partials.size(), 0.0);
    for (std::size_t i = 0; i < count; ++i) {
        const double t = static_cast<double>(i) / kSampleRate;
        const double along = std::min(t / note.length, 1.0);
        double pitch = note.pitchEnd > 0.0 ? note.pitch * std::pow(note.pitchEnd / note.pitch, along)
                                           : note.pitch;
        if (note.vibratoDepth > 0.0)
            pitch *= 1.0 + note.vibratoDepth * std::sin(2.0 * std::numbers::pi * note.vibratoRate * t);

        const double rise = smoothStep(t / note.attack);
        const double fall = 1.0 - smoothStep((t - note.length) / note.release);
        double sample = 0.0;
        for (std::size_t p = 0; p < partials.size(); ++p) {
            const Partial &partial = partials[p];
            const double frequency = pitch * partial.ratio;
            if (frequency >= kSampleRate / 2.0 * 0.9)
                continue; // keep every partial well below the Nyquist frequency
            const double level = note.decay > 0.0 ? std::exp(-t * partial.decayFactor / note.decay) : 1.0;
            sample += partial.amplitude * level * std::sin(phases[p]);
            phases[p] += 2.0 * std::numbers::pi * frequency / kSampleRate;
        }
        mix[first + i] += note.gain * rise * fall * sample;
    }
}

std::vector<std::int16_t> render(const Cue &cue)
{
    std::vector<double> mix;
    for (const Note &note : cue.notes)
        addNote(mix, note);
    // A few milliseconds of silence after the last note.
    mix.resize(mix.size() + kSampleRate / 100, 0.0);

    double peak = 0.0;
    for (double v : mix)
        peak = std::max(peak, std::abs(v));
    const double scale = peak > 0.0 ? std::pow(10.0, cue.peakDb / 20.0) / peak : 0.0;

    std::vector<std::int16_t> pcm(mix.size());
    for (std::size_t i = 0; i < mix.size(); ++i) {
        const double v = std::clamp(mix[i] * scale * 32767.0, -32767.0, 32767.0);
        pcm[i] = static_cast<std::int16_t>(std::lround(v));
    }
    return pcm;
}

void putLE(std::ofstream &out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

bool writeWav(const std::filesystem::path &path, const std::vector<std::int16_t> &pcm)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    if (!out)
        return false;
    const auto dataBytes = static_cast<std::uint32_t>(pcm.size() * 2);
    out.write("RIFF", 4);
    putLE(out, 36 + dataBytes, 4);
    out.write("WAVE", 4);
    out.write("fmt ", 4);
    putLE(out, 16, 4);              // size of the format chunk
    putLE(out, 1, 2);               // PCM
    putLE(out, 1, 2);               // mono
    putLE(out, kSampleRate, 4);
    putLE(out, kSampleRate * 2, 4); // bytes per second
    putLE(out, 2, 2);               // bytes per frame
    putLE(out, 16, 2);              // bits per sample
    out.write("data", 4);
    putLE(out, dataBytes, 4);
    for (std::int16_t s : pcm)
        putLE(out, static_cast<std::uint16_t>(s), 2);
    return static_cast<bool>(out);
}

// Equal-tempered pitch from a MIDI note number (69 = A4 = 440 Hz).
double midi(int note)
{
    return 440.0 * std::pow(2.0, (note - 69) / 12.0);
}

// A soft marimba note: the plain tones 1 to 10 and 20.
Cue scaleTone(const std::string &name, int midiNote)
{
    return {name, {{.start = 0.0, .pitch = midi(midiNote), .length = 0.40, .timbre = Timbre::Marimba,
                    .decay = 0.13, .attack = 0.003, .release = 0.05}}};
}

std::vector<Cue> allCues()
{
    std::vector<Cue> cues;

    // 1 to 10: the C major scale from C5 up to E6; 20 continues it with F6.
    const int scale[] = {72, 74, 76, 77, 79, 81, 83, 84, 86, 88};
    for (int i = 0; i < 10; ++i)
        cues.push_back(scaleTone(std::to_string(i + 1) + ".wav", scale[i]));

    // pipo: two short rounded blips, high then lower (G6, D6); held tones sound louder, so a little quieter.
    cues.push_back({"pipo.wav",
                    {{.start = 0.00, .pitch = midi(91), .length = 0.065, .timbre = Timbre::Blip,
                      .decay = 0.25, .attack = 0.005, .release = 0.02},
                     {.start = 0.11, .pitch = midi(86), .length = 0.09, .timbre = Timbre::Blip,
                      .decay = 0.15, .attack = 0.005, .release = 0.04}},
                    -8.0});

    // poon: one soft round tone sliding gently down from D5.
    cues.push_back({"poon.wav",
                    {{.start = 0.0, .pitch = midi(74), .length = 0.40, .timbre = Timbre::Sine,
                      .decay = 0.16, .attack = 0.008, .release = 0.06, .pitchEnd = midi(72)}}});

    // bubuu: a short and a longer mellow buzz, low and slightly falling; kept a little quieter.
    cues.push_back({"bubuu.wav",
                    {{.start = 0.00, .pitch = 220.0, .length = 0.11, .timbre = Timbre::Reed,
                      .decay = 0.5, .attack = 0.015, .release = 0.035, .vibratoRate = 7.0, .vibratoDepth = 0.006},
                     {.start = 0.19, .pitch = 220.0, .length = 0.32, .timbre = Timbre::Reed,
                      .decay = 0.9, .attack = 0.015, .release = 0.08, .pitchEnd = 200.0,
                      .vibratoRate = 7.0, .vibratoDepth = 0.006}},
                    -9.0});

    // pinpon: the door-chime "right answer", E6 then C6, bright bells.
    cues.push_back({"pinpon.wav",
                    {{.start = 0.00, .pitch = midi(88), .length = 0.30, .timbre = Timbre::Bell,
                      .decay = 0.20, .attack = 0.003, .release = 0.06},
                     {.start = 0.22, .pitch = midi(84), .length = 0.52, .timbre = Timbre::Bell,
                      .decay = 0.25, .attack = 0.003, .release = 0.08}}});

    // sharan: a sparkle, a quick fall of small bells down two octaves of a pentatonic scale (E7 to G5).
    {
        Cue sparkle{"sharan.wav", {}};
        const int run[] = {100, 98, 96, 93, 91, 88, 86, 84, 81, 79};
        for (int i = 0; i < 10; ++i) {
            const double gain = 0.55 + 0.45 * (i % 3 == 0 ? 1.0 : (i % 3 == 1 ? 0.6 : 0.8));
            sparkle.notes.push_back({.start = 0.032 * i, .pitch = midi(run[i]), .length = 0.36,
                                     .timbre = Timbre::Bell, .gain = gain, .decay = 0.12,
                                     .attack = 0.002, .release = 0.06,
                                     .vibratoRate = 11.0, .vibratoDepth = 0.003});
        }
        cues.push_back(sparkle);
    }

    // charararan: the start-up chime, C5 E5 G5 C6 rising, then a ringing C-major chord.
    {
        Cue startUp{"charararan.wav", {}};
        const int rise[] = {72, 76, 79, 84};
        for (int i = 0; i < 4; ++i)
            startUp.notes.push_back({.start = 0.10 * i, .pitch = midi(rise[i]), .length = 0.30,
                                     .timbre = Timbre::Marimba, .gain = 0.9, .decay = 0.14,
                                     .attack = 0.003, .release = 0.05});
        const int chord[] = {84, 88, 91};
        for (int note : chord)
            startUp.notes.push_back({.start = 0.42, .pitch = midi(note), .length = 0.90,
                                     .timbre = Timbre::Bell, .gain = 0.6, .decay = 0.32,
                                     .attack = 0.004, .release = 0.12});
        cues.push_back(startUp);
    }

    // bun: a very short soft woody tick that drops in pitch.
    cues.push_back({"bun.wav",
                    {{.start = 0.0, .pitch = 520.0, .length = 0.05, .timbre = Timbre::Sine,
                      .decay = 0.03, .attack = 0.002, .release = 0.02, .pitchEnd = 330.0}}});

    // pipon: a short blip and a rising bell, C6 then G6.
    cues.push_back({"pipon.wav",
                    {{.start = 0.00, .pitch = midi(84), .length = 0.06, .timbre = Timbre::Blip, .gain = 0.8,
                      .attack = 0.004, .release = 0.02},
                     {.start = 0.12, .pitch = midi(91), .length = 0.38, .timbre = Timbre::Bell,
                      .decay = 0.18, .attack = 0.003, .release = 0.06}}});

    // chararan: three notes falling gently to rest, G6 E6 C6, the last one ringing.
    {
        Cue stop{"chararan.wav", {}};
        const int fall[] = {91, 88, 84};
        for (int i = 0; i < 3; ++i)
            stop.notes.push_back({.start = 0.09 * i, .pitch = midi(fall[i]), .length = i == 2 ? 0.45 : 0.22,
                                  .timbre = Timbre::Marimba, .decay = i == 2 ? 0.20 : 0.10,
                                  .attack = 0.003, .release = 0.06});
        cues.push_back(stop);
    }

    cues.push_back(scaleTone("20.wav", 89));
    return cues;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", argv[0]);
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", folder.c_str(), error.message().c_str());
        return 1;
    }
    for (const Cue &cue : allCues()) {
        const std::filesystem::path path = folder / cue.fileName;
        if (!writeWav(path, render(cue))) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
