#pragma once

// Files of every kind a user can pick, for the tests of the places that read one: each
// of them must give the place's file error at once, without blocking on the open and
// without reading without end.
//
//   void fileThatCannotBeTaken_data() { addPickedFileRows(); }
//   ... QFETCH(QString, kind); const QString path = pickedFile(dir, kind, limit);

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

// One row per kind of file that is not a regular file within its limit.
inline void addPickedFileRows()
{
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << QStringLiteral("pipe");
    QTest::newRow("folder") << QStringLiteral("folder");
    QTest::newRow("device /dev/zero") << QStringLiteral("device");
    QTest::newRow("one byte over the limit") << QStringLiteral("large");
    QTest::newRow("no read permission") << QStringLiteral("unreadable");
}

// A path of that kind; an empty string (with a skip) where this machine cannot make one.
// "large" is a regular file of limit + 1 bytes.
inline QString pickedFile(const QTemporaryDir &dir, const QString &kind, qint64 limit)
{
    if (kind == QLatin1String("pipe")) {
        // Opening a pipe that has no writer would wait for one for good.
        const QString path = dir.filePath(QStringLiteral("pipe"));
        if (::mkfifo(QFile::encodeName(path).constData(), 0600) != 0)
            return QString();
        return path;
    }
    if (kind == QLatin1String("folder"))
        return dir.path();
    if (kind == QLatin1String("device"))
        return QStringLiteral("/dev/zero");  // reading it never ends
    if (kind == QLatin1String("large")) {
        const QString path = dir.filePath(QStringLiteral("large.bin"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || !file.resize(limit + 1))
            return QString();
        return path;
    }
    if (kind == QLatin1String("unreadable")) {
        if (::geteuid() != 0) {
            const QString path = dir.filePath(QStringLiteral("unreadable.bin"));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) || file.write("data") != 4)
                return QString();
            file.close();
            if (::chmod(QFile::encodeName(path).constData(), 0) != 0)
                return QString();
            return path;
        }
        // The superuser reads every file, but not a write-only attribute of the kernel's
        // (a regular file by its kind, that refuses to be opened for reading).
        const QString attribute = QStringLiteral("/sys/bus/cpu/uevent");
        return QFileInfo(attribute).isFile() ? attribute : QString();
    }
    return QString();
}
