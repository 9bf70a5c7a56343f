#include "shell/InterfaceSounds.h"
#include "shell/tests/CoreTestSupport.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace CoreTest;

TEST(InterfaceSoundsTest, DurationFollowsTheWaveHeader)
{
    EXPECT_EQ(InterfaceSounds::DurationMs(MakeWav(250)), 250);
    EXPECT_EQ(InterfaceSounds::DurationMs(MakeWav(1000)), 1000);

    // A chunk before the format chunk is skipped.
    QByteArray withList = MakeWav(500);
    withList.insert(12, QByteArray("LIST\x03\x00\x00\x00"
                                   "abc\x00",
                                   12));
    EXPECT_EQ(InterfaceSounds::DurationMs(withList), 500);

    // A data chunk that claims more than the image holds counts what is there.
    QByteArray cut = MakeWav(500);
    cut.chop(4000);
    EXPECT_EQ(InterfaceSounds::DurationMs(cut), 250);
}

TEST(InterfaceSoundsTest, WhatIsNotAPcmWaveIsNoSound)
{
    EXPECT_EQ(InterfaceSounds::DurationMs(QByteArray()), -1);
    EXPECT_EQ(InterfaceSounds::DurationMs(QByteArray("RIFF\0\0\0\0AVI ", 12)), -1);
    QByteArray compressed = MakeWav(100);
    compressed[20] = 2; // format tag ADPCM
    EXPECT_EQ(InterfaceSounds::DurationMs(compressed), -1);
}

TEST(InterfaceSoundsTest, PlayingWithoutAudioDeviceReturnsAtOnce)
{
    QElapsedTimer clock;
    clock.start();
    InterfaceSounds::Play(MakeWav(2000));
    InterfaceSounds::Play(QByteArray("not a sound"));
    InterfaceSounds::Play(QByteArray());
    EXPECT_LT(clock.elapsed(), 500);
    InterfaceSounds::Reset();
}
