#pragma once

// The printed page of the output screen: a fixed sheet size in twips, and
// margins kept in millimetres by the settings and converted at 57 twips per
// millimetre, as the old program did (a true millimetre is 56.7 twips).
namespace PageLayout {

inline constexpr int PageWidthTwips = 11880;
inline constexpr int PageHeightTwips = 17100;
inline constexpr int TwipsPerMillimetre = 57;

// The margins dialog allows these, in millimetres.
inline constexpr int MinMargin = 1;
inline constexpr int MaxMargin = 99;

inline constexpr int Twips(int Millimetres)
{
    return Millimetres * TwipsPerMillimetre;
}

} // namespace PageLayout
