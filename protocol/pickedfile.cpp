#include "pickedfile.h"

#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace PickedFile {

namespace {

// Opens without waiting (a pipe put in the file's place since it was looked at does not
// block the open) and judges what was actually opened.
Problem open(const QString &fileName, qint64 maxSize, QFile &file, qint64 *size)
{
    // Looked at by name first: a device is never opened at all, since opening some of
    // them already does something (a serial line raises its control lines).
    const QFileInfo info(fileName);
    if (fileName.isEmpty() || !info.isFile())
        return Problem::CannotOpen;
    if (info.size() > maxSize)
        return Problem::TooLarge;
    const int fd = ::open(QFile::encodeName(fileName).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return Problem::CannotOpen;
    struct stat opened;
    if (::fstat(fd, &opened) != 0 || !S_ISREG(opened.st_mode)) {
        ::close(fd);
        return Problem::CannotOpen;
    }
    if (opened.st_size > maxSize) {
        ::close(fd);
        return Problem::TooLarge;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return Problem::CannotOpen;
    }
    if (size)
        *size = opened.st_size;
    return Problem::None;
}

} // namespace

Problem check(const QString &fileName, qint64 maxSize, qint64 *size)
{
    QFile file;
    return open(fileName, maxSize, file, size);
}

Problem read(const QString &fileName, qint64 maxSize, QByteArray &data)
{
    data.clear();
    QFile file;
    qint64 size = 0;
    const Problem problem = open(fileName, maxSize, file, &size);
    if (problem != Problem::None)
        return problem;
    // One byte more than the file held tells a file that grew since it was looked at;
    // of that one no more than one byte past the limit is taken.
    data = file.read(size + 1);
    if (data.size() > size && data.size() <= maxSize)
        data += file.read(maxSize + 1 - data.size());
    if (file.error() != QFileDevice::NoError) {
        data.clear();
        return Problem::CannotOpen;
    }
    if (data.size() > maxSize) {
        data.clear();
        return Problem::TooLarge;
    }
    return Problem::None;
}

} // namespace PickedFile
