#pragma once

#include <QByteArray>

// Plays the short WAV images of the interface sounds (Global.h) through Qt
// Multimedia. The original played them with a blocking system call, so that
// a button's click sound has finished before the button acts; Play keeps that
// by running a local event loop (without user input) until the sound ends.
namespace InterfaceSounds {

// Plays a complete WAV image from memory and returns when it has finished,
// at the latest after its length and a small margin. Silent, and at once,
// without an audio device, on the offscreen platform, or for an image that
// is empty or not a PCM WAV file.
void Play(const QByteArray& Wav);

// The playing time of a PCM WAV image in milliseconds; -1 when the image is
// not one.
int DurationMs(const QByteArray& Wav);

// Forgets the prepared sounds (their buffers are about to be freed).
void Reset();

} // namespace InterfaceSounds
