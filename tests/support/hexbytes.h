#pragma once

#include <QByteArray>

// The bytes a run of hex digits spells: "214e0002..." as a frame is written in a
// protocol listing. Anything but a hex digit (the spaces of "21 4E 05") is skipped.
inline QByteArray hex(const char *text)
{
    return QByteArray::fromHex(text);
}
