#include "tools/Sounds.h"

#include "tools/BuildError.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>
#include <sstream>

namespace {

constexpr double Pi = std::numbers::pi;

std::uint32_t U32(const std::vector<char>& b, std::size_t at)
{
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[at])) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 1])) << 8) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 2])) << 16) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b[at + 3])) << 24);
}

std::uint16_t U16(const std::vector<char>& b, std::size_t at)
{
    return static_cast<std::uint16_t>(static_cast<unsigned char>(b[at]) |
                                      (static_cast<unsigned char>(b[at + 1]) << 8));
}

void Put32(std::vector<char>& b, std::uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
}

void Put16(std::vector<char>& b, std::uint16_t v)
{
    b.push_back(static_cast<char>(v & 0xFFu));
    b.push_back(static_cast<char>((v >> 8) & 0xFFu));
}

void PutTag(std::vector<char>& b, const char* tag)
{
    b.insert(b.end(), tag, tag + 4);
}

// The frequency of a note name such as C4, F#3, Bb5 (A4 = 440 Hz); 0 when
// the text is no note.
double NoteFrequency(const std::string& name)
{
    static const int semitone[7] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G from C
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        return 0;
    int n = semitone[name[0] - 'A'];
    std::size_t i = 1;
    if (name[i] == '#') {
        ++n;
        ++i;
    } else if (name[i] == 'b') {
        --n;
        ++i;
    }
    if (i + 1 != name.size() || name[i] < '0' || name[i] > '8')
        return 0;
    const int octave = name[i] - '0';
    const int midi = 12 * (octave + 1) + n;
    return 440.0 * std::pow(2.0, (midi - 69) / 12.0);
}

// One voice: the sample at time t (seconds) of a note of length len.
double Voice(const std::string& timbre, double f, double t, double len)
{
    const auto partial = [&](double ratio, double amp, double decay) {
        return amp * std::exp(-decay * t) * std::sin(2.0 * Pi * f * ratio * t);
    };
    double v = 0;
    double attack = 0.005;
    double release = std::min(0.04, len * 0.3);
    if (timbre == "sine") {
        v = std::sin(2.0 * Pi * f * t);
        attack = 0.01;
    } else if (timbre == "organ") {
        v = (std::sin(2.0 * Pi * f * t) + 0.5 * std::sin(4.0 * Pi * f * t) +
             0.25 * std::sin(6.0 * Pi * f * t) + 0.12 * std::sin(8.0 * Pi * f * t)) /
            1.6;
        attack = 0.015;
    } else if (timbre == "piano") {
        v = (partial(1, 1.0, 2.5) + partial(2, 0.45, 4.0) + partial(3, 0.25, 6.0) +
             partial(4, 0.12, 8.0)) /
            1.5;
        attack = 0.003;
    } else if (timbre == "pluck") {
        v = (partial(1, 1.0, 5.0) + partial(2, 0.5, 8.0) + partial(3, 0.33, 11.0) +
             partial(4, 0.25, 14.0) + partial(5, 0.2, 17.0)) /
            1.8;
        attack = 0.002;
    } else if (timbre == "reed") {
        const double vibrato = 1.0 + 0.004 * std::sin(2.0 * Pi * 5.0 * t);
        for (int k = 1; k <= 9; k += 2)
            v += std::sin(2.0 * Pi * f * vibrato * k * t) / k;
        v /= 1.2;
        attack = 0.02;
    } else if (timbre == "bell") {
        v = (partial(1, 1.0, 3.0) + partial(2.76, 0.5, 5.0) + partial(5.40, 0.25, 8.0) +
             partial(8.93, 0.12, 12.0)) /
            1.5;
        attack = 0.001;
    } else if (timbre == "buzz") {
        for (int k = 1; k <= 12; ++k)
            v += std::sin(2.0 * Pi * f * k * t) / k;
        v /= 1.8;
        attack = 0.004;
    }
    double envelope = 1.0;
    if (t < attack)
        envelope = t / attack;
    if (t > len - release)
        envelope *= std::max(0.0, (len - t) / release);
    return v * envelope;
}

} // namespace

std::string CheckPcmWav(const std::vector<char>& Bytes, TWavInfo* Info)
{
    if (Bytes.size() < 12 || std::string(Bytes.data(), 4) != "RIFF" ||
        std::string(Bytes.data() + 8, 4) != "WAVE")
        return "not a WAV file (no RIFF WAVE header)";
    bool haveFormat = false;
    TWavInfo info;
    std::size_t at = 12;
    while (at + 8 <= Bytes.size()) {
        const std::string tag(Bytes.data() + at, 4);
        const std::size_t size = U32(Bytes, at + 4);
        const std::size_t body = at + 8;
        if (size > Bytes.size() - body)
            return "WAV chunk \"" + tag + "\" runs past the end of the file";
        if (tag == "fmt ") {
            if (size < 16)
                return "WAV format chunk too short";
            if (U16(Bytes, body) != 1)
                return "WAV file is not uncompressed PCM (format " +
                       std::to_string(U16(Bytes, body)) + ")";
            info.Channels = U16(Bytes, body + 2);
            info.SampleRate = static_cast<int>(U32(Bytes, body + 4));
            info.BitsPerSample = U16(Bytes, body + 14);
            if (info.Channels < 1 || info.Channels > 2)
                return "WAV file has " + std::to_string(info.Channels) +
                       " channels (1 or 2 are allowed)";
            if (info.BitsPerSample != 8 && info.BitsPerSample != 16)
                return "WAV file has " + std::to_string(info.BitsPerSample) +
                       " bits per sample (8 or 16 are allowed)";
            if (info.SampleRate < 4000 || info.SampleRate > 48000)
                return "WAV file has an unusual sample rate of " + std::to_string(info.SampleRate) +
                       " Hz";
            haveFormat = true;
        } else if (tag == "data") {
            if (!haveFormat)
                return "WAV data chunk before the format chunk";
            info.DataBytes = size;
            if (Info)
                *Info = info;
            return std::string();
        }
        at = body + size + (size % 2);
    }
    return haveFormat ? "WAV file without data chunk" : "WAV file without format chunk";
}

std::vector<char> SynthesizeWav(const TGeneratorRecipe& Recipe, const std::string& File, int Line)
{
    CheckOptions(Recipe, {"timbre", "tempo", "rate", "bits", "volume"}, File, Line);
    const std::string timbre = TextOption(Recipe, "timbre", "piano");
    static const char* const timbres[] = {"sine", "organ", "piano", "pluck",
                                          "reed", "bell",  "buzz"};
    if (std::find(std::begin(timbres), std::end(timbres), timbre) == std::end(timbres))
        throw TBuildError(File, Line,
                          "synth: unknown timbre \"" + timbre +
                              "\" (known: sine, organ, piano, pluck, reed, bell, buzz)");
    const double tempo = RealOption(Recipe, "tempo", 120, 10, 6000, File, Line);
    const int rate = IntOption(Recipe, "rate", 22050, 8000, 44100, File, Line);
    if (rate != 8000 && rate != 11025 && rate != 22050 && rate != 44100)
        throw TBuildError(File, Line,
                          "synth: rate=" + std::to_string(rate) +
                              " (allowed: 8000, 11025, 22050, 44100)");
    const int bits = IntOption(Recipe, "bits", 16, 8, 16, File, Line);
    if (bits != 8 && bits != 16)
        throw TBuildError(File, Line, "synth: bits=" + std::to_string(bits) + " (allowed: 8, 16)");
    const double volume = RealOption(Recipe, "volume", 0.5, 0.0, 1.0, File, Line);
    if (Recipe.Words.empty())
        throw TBuildError(File, Line, "synth: no notes (write e.g. \"synth: C4 E4 G4:2\")");

    struct Event
    {
        std::vector<double> Frequencies; // empty for a rest
        double Start;
        double Length;
    };
    std::vector<Event> events;
    double time = 0;
    const double beat = 60.0 / tempo;
    for (const std::string& word : Recipe.Words) {
        const std::size_t colon = word.find(':');
        const std::string pitches = word.substr(0, colon);
        double beats = 1;
        if (colon != std::string::npos) {
            const std::string text = word.substr(colon + 1);
            char* end = nullptr;
            beats = std::strtod(text.c_str(), &end);
            if (text.empty() || end != text.c_str() + text.size() || !(beats > 0 && beats <= 64))
                throw TBuildError(File, Line,
                                  "synth: \"" + word +
                                      "\": the length after \":\" must be a number of beats");
        }
        Event e{{}, time, beats * beat};
        if (pitches != "R") {
            std::size_t start = 0;
            while (true) {
                const std::size_t plus = pitches.find('+', start);
                const std::string name = pitches.substr(
                    start, plus == std::string::npos ? std::string::npos : plus - start);
                const double f = NoteFrequency(name);
                if (f <= 0)
                    throw TBuildError(
                        File, Line,
                        "synth: \"" + word +
                            "\" is no note (write C4, F#3, Bb5, chords as C4+E4, R for a rest)");
                e.Frequencies.push_back(f);
                if (plus == std::string::npos)
                    break;
                start = plus + 1;
            }
        }
        events.push_back(e);
        time += e.Length;
    }
    const std::size_t frames = static_cast<std::size_t>(std::ceil(time * rate));
    if (frames > static_cast<std::size_t>(rate) * 600)
        throw TBuildError(File, Line, "synth: the sound is longer than ten minutes");
    std::vector<double> mix(frames, 0.0);
    for (const Event& e : events) {
        if (e.Frequencies.empty())
            continue;
        const std::size_t first = static_cast<std::size_t>(std::llround(e.Start * rate));
        const std::size_t count = static_cast<std::size_t>(std::llround(e.Length * rate));
        const double gain = volume / std::sqrt(static_cast<double>(e.Frequencies.size()));
        for (std::size_t i = 0; i < count && first + i < frames; ++i) {
            const double t = static_cast<double>(i) / rate;
            double v = 0;
            for (const double f : e.Frequencies)
                v += Voice(timbre, f, t, e.Length);
            mix[first + i] += gain * v;
        }
    }

    const std::size_t bytesPerFrame = static_cast<std::size_t>(bits / 8);
    const std::size_t dataBytes = frames * bytesPerFrame;
    std::vector<char> wav;
    wav.reserve(44 + dataBytes + 1);
    PutTag(wav, "RIFF");
    Put32(wav, static_cast<std::uint32_t>(36 + dataBytes + dataBytes % 2));
    PutTag(wav, "WAVE");
    PutTag(wav, "fmt ");
    Put32(wav, 16);
    Put16(wav, 1); // PCM
    Put16(wav, 1); // mono
    Put32(wav, static_cast<std::uint32_t>(rate));
    Put32(wav, static_cast<std::uint32_t>(rate) * static_cast<std::uint32_t>(bytesPerFrame));
    Put16(wav, static_cast<std::uint16_t>(bytesPerFrame));
    Put16(wav, static_cast<std::uint16_t>(bits));
    PutTag(wav, "data");
    Put32(wav, static_cast<std::uint32_t>(dataBytes));
    for (const double sample : mix) {
        const double v = std::clamp(sample, -1.0, 1.0);
        if (bits == 16)
            Put16(wav,
                  static_cast<std::uint16_t>(static_cast<std::int16_t>(std::lround(v * 32767.0))));
        else
            wav.push_back(
                static_cast<char>(static_cast<unsigned char>(128 + std::lround(v * 127.0))));
    }
    if (dataBytes % 2)
        wav.push_back(0);
    return wav;
}
