#pragma once

#include "dialogseam.h"

// The message boxes of the main window, the connection screen and the workspace.
using AppDialogs = DialogSeam<struct AppArea>;
