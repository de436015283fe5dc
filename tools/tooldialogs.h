#pragma once

#include "dialogseam.h"

// The message boxes and file dialogs of the service tools.
using ToolDialogs = DialogSeam<struct ToolsArea>;
