#pragma once

#include <QString>
#include <QtGlobal>

class QTcpSocket;

// What the system tells, and does, about a client's connection beyond what Qt says.

// What the system still holds for the socket's peer: bytes not sent yet, and bytes sent
// that the peer has not acknowledged; 0 where the system does not tell.
qint64 unsentInSystem(const QTcpSocket *socket);

// The client's address and port as a user would type them.
QString peerText(const QTcpSocket *socket);

// Makes the socket's close a reset: what the system still holds for the peer is thrown away.
void discardUnsent(const QTcpSocket *socket);
