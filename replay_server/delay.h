#pragma once

// Lets the event loop run for about the given number of milliseconds, without sleeping.
// Returns at once for zero or less.
void delay(int milliseconds);
