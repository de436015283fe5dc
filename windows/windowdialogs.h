#pragma once

#include "dialogseam.h"

// The message boxes and file dialogs of the monitor windows.
using WindowDialogs = DialogSeam<struct WindowsArea>;
