#include "savedgeometry.h"

#include <QDataStream>
#include <QIODevice>

namespace {

// The layout of QWidget::saveGeometry in Qt 5: a magic number, the format's major and
// minor version, the frame and normal rectangles, the screen's number, the maximized and
// full-screen flags, from version 2 the screen's width, from version 3 the rectangle.
const quint32 magicNumber = 0x1D9D0CB;
const quint16 newestMajorVersion = 3;
// The normal rectangle follows the magic number, the two versions and the frame's
// rectangle of four 32-bit numbers.
const qint64 normalGeometryOffset = 4 + 2 + 2 + 4 * 4;

} // namespace

SavedGeometry::SavedGeometry(const QByteArray &saved)
{
    QDataStream stream(saved);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 majorVersion = 0;
    quint16 minorVersion = 0;
    stream >> magic >> majorVersion >> minorVersion;
    if (stream.status() != QDataStream::Ok || magic != magicNumber || majorVersion < 1
        || majorVersion > newestMajorVersion)
        return;
    QRect frameGeometry;
    qint32 screenNumber = 0;
    quint8 maximized = 0;
    quint8 fullScreen = 0;
    qint32 screenWidth = 0;
    stream >> frameGeometry >> m_normalGeometry >> screenNumber >> maximized >> fullScreen;
    if (majorVersion > 1)
        stream >> screenWidth;
    m_geometry = frameGeometry;
    if (majorVersion > 2)
        stream >> m_geometry;
    if (stream.status() != QDataStream::Ok)
        return;
    m_maximized = maximized != 0;
    m_valid = m_geometry.isValid() || m_normalGeometry.isValid();
}

QByteArray SavedGeometry::withNormalGeometry(const QByteArray &saved, const QRect &normal)
{
    if (!SavedGeometry(saved).isValid())
        return saved;
    QByteArray written = saved;
    QDataStream stream(&written, QIODevice::ReadWrite);
    stream.setVersion(QDataStream::Qt_4_0);
    stream.device()->seek(normalGeometryOffset);
    stream << normal;
    return written;
}
