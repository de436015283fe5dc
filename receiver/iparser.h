#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QObject>

// The receiver's output protocol. It travels on the wire as one byte (the
// interface-mode reply and request), so any received value is kept as it came.
enum class InterfaceMode : quint8 {
    ZRB_Binary = 1, // the receiver's own binary frames
    NMEA = 2,       // NMEA 0183 text
    Unknown = 3     // not known yet: no parser is selected
};
Q_DECLARE_METATYPE(InterfaceMode)

// A parser takes the received byte stream in chunks of any size and reports every
// line or record it finds to the logs through dataParsed.
class iParser : public QObject
{
    Q_OBJECT
public:
    explicit iParser(QObject *parent);
    ~iParser() override;

public slots:
    // Consumes one chunk of received bytes; an empty chunk is allowed and does nothing.
    virtual void parse(const QByteArray &data) = 0;

signals:
    // The text of one received line or record, with the mode of the parser that made it.
    void dataParsed(QByteArray data, InterfaceMode mode);
};
