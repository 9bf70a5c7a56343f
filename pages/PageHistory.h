#pragma once

#include <array>

// One visited page: what it shows and where it was scrolled to when the user
// left it through a link.
struct THistoryEntry
{
    int Kind = 0;
    int Id = 0;
    // The TITE_ID of a recording; 0 for every other kind.
    int SubId = 0;
    int ScrollPos = 0;
};

// The back and forward history of one record page screen. Indexes run from
// 1; 0 means nothing has been pushed yet. A new entry never cuts off the
// forward part: it takes the place after the shown entry, and the highest
// index only ever grows, so forward still leads to older pages beyond it.
class TPageHistory
{
public:
    static constexpr int MaxEntries = 20;

    void Reset();
    // A full history drops its oldest entry and stays at the last place.
    void Push(int Kind, int Id, int SubId);
    bool CanGoBack() const { return FCurrent > 1; }
    bool CanGoForward() const { return FCurrent < FHighest; }
    // Each moves only when it can; true when it moved.
    bool Back();
    bool Forward();

    int CurrentIndex() const { return FCurrent; }
    int HighestIndex() const { return FHighest; }
    // The shown entry; an empty one before the first push.
    THistoryEntry& Current();
    const THistoryEntry& Current() const;
    // Entry Index (1 ... MaxEntries).
    const THistoryEntry& Entry(int Index) const;

private:
    std::array<THistoryEntry, MaxEntries + 1> FEntries{};
    int FCurrent = 0;
    int FHighest = 0;
};
