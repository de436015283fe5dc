#pragma once

#include <QByteArray>
#include <QObject>

#include "interfacemode.h"

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
