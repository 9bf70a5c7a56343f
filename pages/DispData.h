#pragma once

#include <functional>

// Opens the record page of the given record kind and key modally; SubId
// narrows the record where the kind needs it (0 otherwise).
void ShowRecordPage(int Kind, int Id, int SubId);

// Called by ShowRecordPage with its arguments while the record page screen TfrmDispData is not
// there yet, so that tests can see which screen a menu asked for.
extern std::function<void(int, int, int)> ShowRecordPageHook;
