#include "shell/InterfaceSounds.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>

#include <map>
#include <memory>

namespace {

quint32 LittleEndian32(const QByteArray& Bytes, qsizetype Pos)
{
    const auto byte = [&](qsizetype k) {
        return static_cast<quint32>(static_cast<unsigned char>(Bytes[Pos + k]));
    };
    return byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24);
}

// QSoundEffect reads from a URL only, so each sound is written once to a
// temporary file and kept decoded for the rest of the run.
struct TPreparedSound
{
    std::unique_ptr<QTemporaryFile> File;
    std::unique_ptr<QSoundEffect> Effect;
};

std::map<std::pair<const char*, qsizetype>, TPreparedSound>& PreparedSounds()
{
    static std::map<std::pair<const char*, qsizetype>, TPreparedSound> sounds;
    return sounds;
}

bool AudioAvailable()
{
    // Nobody hears a program drawn offscreen (tests, CI); asking the sound
    // server there would only cost time.
    if (QGuiApplication::platformName() == QStringLiteral("offscreen"))
        return false;
    return !QMediaDevices::defaultAudioOutput().isNull();
}

QSoundEffect* Prepare(const QByteArray& Wav)
{
    TPreparedSound& sound = PreparedSounds()[{Wav.constData(), Wav.size()}];
    if (sound.Effect)
        return sound.Effect.get();
    auto file = std::make_unique<QTemporaryFile>();
    if (!file->open() || file->write(Wav) != Wav.size() || !file->flush())
        return nullptr;
    sound.File = std::move(file);
    sound.Effect = std::make_unique<QSoundEffect>();
    sound.Effect->setSource(QUrl::fromLocalFile(sound.File->fileName()));
    return sound.Effect.get();
}

// Runs a local loop until Done() holds or the time is up. User input waits,
// as it did while the system played the sound.
template <class TSignal, class TDone>
void WaitFor(QSoundEffect* Effect, TSignal Signal, TDone Done, int TimeoutMs)
{
    if (Done())
        return;
    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(Effect, Signal, &loop, [&] {
        if (Done())
            loop.quit();
    });
    guard.start(TimeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

namespace InterfaceSounds {

int DurationMs(const QByteArray& Wav)
{
    if (Wav.size() < 12 || !Wav.startsWith("RIFF") || Wav.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    qsizetype pos = 12;
    while (pos + 8 <= Wav.size()) {
        const QByteArray id = Wav.mid(pos, 4);
        const quint32 size = LittleEndian32(Wav, pos + 4);
        if (id == "fmt " && size >= 16 && pos + 8 + 16 <= Wav.size()) {
            const quint32 format = LittleEndian32(Wav, pos + 8) & 0xFFFFu;
            if (format != 1)
                return -1;
            byteRate = LittleEndian32(Wav, pos + 16);
        } else if (id == "data") {
            if (byteRate == 0)
                return -1;
            const qint64 available = Wav.size() - (pos + 8);
            const qint64 bytes = std::min<qint64>(size, available);
            return static_cast<int>(bytes * 1000 / byteRate);
        }
        // Chunks are padded to an even length.
        pos += 8 + static_cast<qsizetype>(size) + static_cast<qsizetype>(size & 1u);
    }
    return -1;
}

void Play(const QByteArray& Wav)
{
    const int duration = DurationMs(Wav);
    if (duration < 0 || !AudioAvailable())
        return;
    QSoundEffect* effect = Prepare(Wav);
    if (effect == nullptr)
        return;

    constexpr int LoadTimeoutMs = 1000;
    constexpr int EndMarginMs = 250;
    WaitFor(
        effect, &QSoundEffect::statusChanged,
        [effect] { return effect->status() != QSoundEffect::Loading; }, LoadTimeoutMs);
    if (effect->status() != QSoundEffect::Ready)
        return;

    bool started = false;
    effect->play();
    WaitFor(
        effect, &QSoundEffect::playingChanged,
        [effect, &started] {
            if (effect->isPlaying())
                started = true;
            return started && !effect->isPlaying();
        },
        duration + EndMarginMs);
    effect->stop();
}

void Reset()
{
    PreparedSounds().clear();
}

} // namespace InterfaceSounds
