#pragma once

#include "iparser.h"

#include <QByteArray>
#include <QString>

#include "binaryframe.h"

// Cuts the receiver's binary frames out of the byte stream, checks them and routes
// them: status frames to the command engine, message frames to their decoders.
class ZRBBinaryParser : public iParser
{
    Q_OBJECT
public:
    explicit ZRBBinaryParser(QObject *parent);
    ~ZRBBinaryParser() override;

    // Forgets a half-received frame and any unfinished text line.
    void reset();

signals:
    void bmtStatusReceived(BmtStatus status, QByteArray data);

public slots:
    void parse(const QByteArray &data) override;

private:
    void handleFrame(const QByteArray &frame);
    bool checkFrame(const QByteArray &frame) const;
    void dispatch(int number, const QByteArray &payload);

    int m_state = 0;
    QByteArray m_frame; // kind, id, length and payload of the frame being received
    int m_kind = 0;
    quint8 m_id = 0;
    quint16 m_length = 0;
    quint16 m_count = 0;
    quint16 m_receivedChecksum = 0;
};
