#pragma once

#include <QByteArray>
#include <QString>

// A file the user picked, taken only when it is a regular file within the size its use
// allows. A named pipe would hold the window on open until some writer came, a device
// such as /dev/zero would never end; both are refused before anything is opened, and the
// read itself never takes more than the limit, even from a file that grew meanwhile.
namespace PickedFile {

enum class Problem { None, CannotOpen, TooLarge };

// Whether the file could be read now, and its size; nothing of it is read.
Problem check(const QString &fileName, qint64 maxSize, qint64 *size = nullptr);
// The whole file into data (left empty on any problem).
Problem read(const QString &fileName, qint64 maxSize, QByteArray &data);

} // namespace PickedFile
