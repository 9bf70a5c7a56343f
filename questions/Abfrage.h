#pragma once

#include <functional>

// Opens the question screen modally.
void ShowQuestionScreen();

// Called by ShowQuestionScreen with its arguments while the question screen TfrmAbfrage is not
// there yet, so that tests can see which screen a menu asked for.
extern std::function<void()> ShowQuestionScreenHook;
