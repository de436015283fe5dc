#pragma once

#include <QByteArray>
#include <QObject>

class QIODevice;

// The kind of link a reader talks over.
enum class ConnectionMode : quint8 {
    NoLink = 0,
    SerialPort = 1,
    TcpSocket = 2
};

// A byte source: opens and closes the link to the receiver, delivers every chunk it
// reads as dataRead and writes bytes to it. Each read loop ends with one empty
// dataRead, so listeners must accept empty chunks.
class iReader : public QObject
{
    Q_OBJECT
public:
    explicit iReader(QObject *parent);
    ~iReader() override;

    // The longest chunk a dataRead carries: the parsers take it whole.
    static constexpr int maxChunkBytes = 4096;

    virtual bool isOpen() const = 0;
    // Discards what waits in the link's buffers.
    virtual void clear() = 0;

public slots:
    virtual void start() = 0;
    virtual void stop() = 0;
    virtual void sendData(const QByteArray &data) = 0;

signals:
    void dataRead(QByteArray data);
    void connected();
    void error();

protected:
    // Stores a link setting; an open link is closed and opened again with it at once.
    template <typename T>
    void changeSetting(T *setting, const T &value)
    {
        if (isOpen()) {
            stop();
            *setting = value;
            start();
        } else {
            *setting = value;
        }
    }

    // Delivers what waits on the device chunk by chunk, none longer than maxChunkBytes,
    // then the empty chunk that ends the loop.
    void deliverChunks(QIODevice *device);
};
