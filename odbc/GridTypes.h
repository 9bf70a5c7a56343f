#pragma once

// Small value types shared by the result grid classes (TExtendedGrid,
// TOEGrid) and the screens that listen to them.

#include <QFlags>

// What the DrawCell notification says about the cell just drawn (the old
// grid's TGridDrawState): gdSelected for every data cell of the selected row
// (the grids select whole rows), gdFocused for the current cell while the
// grid has the keyboard focus, gdFixed for the title row and the indicator
// column.
enum TGridDrawStateFlag {
    gdSelected = 0x1,
    gdFocused = 0x2,
    gdFixed = 0x4,
};
Q_DECLARE_FLAGS(TGridDrawState, TGridDrawStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridDrawState)

// Pending change of a grid row, set by the Insert and Delete keys. Only the
// grid knows about it: nothing is ever written to the database.
enum TRowMark {
    rmNone,
    rmNew,
    rmDeleted,
};
