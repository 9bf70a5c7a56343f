#include "pages/DispData.h"

std::function<void(int, int, int)> ShowRecordPageHook;

void ShowRecordPage(int Kind, int Id, int SubId)
{
    // Filled in with the record page screen TfrmDispData.
    if (ShowRecordPageHook) {
        ShowRecordPageHook(Kind, Id, SubId);
    }
}
