#pragma once

#include "shell/Global.h"

#include <cstddef>
#include <vector>

// Every interface sound the program asks for while the log lives; click
// sounds on, the other sounds as they were. Screens' tests count the click
// that each button and key must give.
class TSoundLog
{
public:
    TSoundLog();
    ~TSoundLog();
    TSoundLog(const TSoundLog&) = delete;
    TSoundLog& operator=(const TSoundLog&) = delete;

    int Clicks() const;
    std::size_t Count() const { return FSounds.size(); }

private:
    std::vector<TInterfaceSound> FSounds;
    bool FOldKeyClick;
};
