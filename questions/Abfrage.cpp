#include "questions/Abfrage.h"

std::function<void()> ShowQuestionScreenHook;

void ShowQuestionScreen()
{
    // Filled in with the question screen TfrmAbfrage.
    if (ShowQuestionScreenHook) {
        ShowQuestionScreenHook();
    }
}
