#pragma once

// Sounds of the catalogue and of the system store: checking WAV files and
// synthesizing short PCM WAV sounds from a note list.

#include "tools/Generator.h"

#include <string>
#include <vector>

struct TWavInfo
{
    int Channels = 0;
    int SampleRate = 0;
    int BitsPerSample = 0;
    std::size_t DataBytes = 0;
};

// Checks that Bytes is a RIFF WAVE file with uncompressed PCM (8 or 16 bit,
// mono or stereo) and a data chunk. Returns an empty text when it is, else
// what is wrong.
std::string CheckPcmWav(const std::vector<char>& Bytes, TWavInfo* Info = nullptr);

// A complete WAV file of the synthesized sound ("synth:" value):
//   timbre=sine|organ|piano|pluck|reed|bell|buzz   (default piano)
//   tempo=beats per minute (default 120), rate=8000|11025|22050|44100
//   (default 22050), bits=8|16 (default 16), volume=0..1 (default 0.5)
// and the notes: C4, F#3, Bb5 ..., R for a rest, chords as C4+E4+G4, each
// with an optional length in beats after a colon (C4:0.5; default 1).
std::vector<char> SynthesizeWav(const TGeneratorRecipe& Recipe, const std::string& File, int Line);
