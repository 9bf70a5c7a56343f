#include "shell/tests/SoundLog.h"

#include <algorithm>

TSoundLog::TSoundLog() : FOldKeyClick(KeyClick)
{
    KeyClick = true;
    SetSoundObserver([this](TInterfaceSound Sound) { FSounds.push_back(Sound); });
}

TSoundLog::~TSoundLog()
{
    SetSoundObserver({});
    KeyClick = FOldKeyClick;
}

int TSoundLog::Clicks() const
{
    return static_cast<int>(std::count(FSounds.begin(), FSounds.end(), TInterfaceSound::Click));
}
