#pragma once

// Shows the closing screen modally and returns when it has closed.
void ShowOutro();
