#pragma once

#include <QtGlobal>

// The receiver's output protocol. Sent to the receiver as one byte, so the type is one
// byte wide and any received value is defined.
enum InterfaceMode : quint8 {
    InterfaceBinary = 1,  // the receiver's binary frames ("ZRB_Binary")
    InterfaceNmea = 2,    // NMEA 0183 text
    InterfaceUnknown = 3  // not known yet: no parser selected
};
