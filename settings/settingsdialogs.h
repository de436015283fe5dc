#pragma once

#include "dialogseam.h"

// The message boxes and file dialogs of the settings dialog, its pages and the display
// settings dialog.
using SettingsDialogs = DialogSeam<struct SettingsArea>;
