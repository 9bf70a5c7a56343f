#include "pages/PageHistory.h"

#include <algorithm>

void TPageHistory::Reset()
{
    FEntries = {};
    FCurrent = 0;
    FHighest = 0;
}

void TPageHistory::Push(int Kind, int Id, int SubId)
{
    if (FCurrent == MaxEntries) {
        // Slot 0 is never shown; shifting 2 ... 20 onto 1 ... 19 loses the
        // oldest page.
        std::move(FEntries.begin() + 2, FEntries.end(), FEntries.begin() + 1);
    } else {
        ++FCurrent;
        FHighest = std::max(FHighest, FCurrent);
    }
    FEntries[static_cast<std::size_t>(FCurrent)] = THistoryEntry{Kind, Id, SubId, 0};
}

bool TPageHistory::Back()
{
    if (!CanGoBack())
        return false;
    --FCurrent;
    return true;
}

bool TPageHistory::Forward()
{
    if (!CanGoForward())
        return false;
    ++FCurrent;
    return true;
}

THistoryEntry& TPageHistory::Current()
{
    return FEntries[static_cast<std::size_t>(FCurrent)];
}

const THistoryEntry& TPageHistory::Current() const
{
    return FEntries[static_cast<std::size_t>(FCurrent)];
}

const THistoryEntry& TPageHistory::Entry(int Index) const
{
    return FEntries[static_cast<std::size_t>(std::clamp(Index, 0, MaxEntries))];
}
