#pragma once

// Shows the intro screen modally and returns when it has closed.
void ShowIntro();
