#pragma once

#include <QMetaType>

#include "interfacemode.h"

// Lets tests record the parsers' mode with QSignalSpy; the program itself connects
// directly and registers no meta-type.
Q_DECLARE_METATYPE(InterfaceMode)
