#include "socketfacts.h"

#include <QHostAddress>
#include <QTcpSocket>

#ifdef Q_OS_LINUX
#include <linux/sockios.h>
#include <sys/ioctl.h>
#endif
#ifdef Q_OS_UNIX
#include <sys/socket.h>
#endif

// What the system still holds for the socket's peer: bytes not sent yet, and bytes sent
// that the peer has not acknowledged. The system's send buffer grows to megabytes and
// reports room again only when much of it has drained, so what Qt could write says little
// about what the peer took; this does. 0 where the system does not tell.
qint64 unsentInSystem(const QTcpSocket *socket)
{
#ifdef Q_OS_LINUX
    const qintptr descriptor = socket->socketDescriptor();
    int queued = 0;
    if (descriptor >= 0 && ::ioctl(int(descriptor), SIOCOUTQ, &queued) == 0 && queued > 0)
        return queued;
#else
    Q_UNUSED(socket)
#endif
    return 0;
}

// The client's address and port as a user would type them.
QString peerText(const QTcpSocket *socket)
{
    QHostAddress address = socket->peerAddress();
    bool mapped = false;
    const quint32 ipv4 = address.toIPv4Address(&mapped);
    if (mapped)
        address = QHostAddress(ipv4);
    const QString host = address.protocol() == QAbstractSocket::IPv6Protocol
                             ? QLatin1Char('[') + address.toString() + QLatin1Char(']')
                             : address.toString();
    return host + QLatin1Char(':') + QString::number(socket->peerPort());
}

// A plain close would still deliver what the system holds for the client (megabytes at a
// slow reader's pace: minutes of ever older data) before the client learned it was let go.
// Closed with a reset, that is thrown away: the client reads what already reached its side
// and then sees the end.
void discardUnsent(const QTcpSocket *socket)
{
#ifdef Q_OS_UNIX
    const qintptr descriptor = socket->socketDescriptor();
    const linger reset{1, 0};
    if (descriptor >= 0)
        ::setsockopt(int(descriptor), SOL_SOCKET, SO_LINGER, &reset, sizeof reset);
#else
    Q_UNUSED(socket)
#endif
}
