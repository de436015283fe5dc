#pragma once

#include <QByteArray>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

#include "binaryconfigurator.h"

class QFile;

// Copies the receiver's firmware flash into a file: 512 pages of 1024 bytes, read
// one after the other and appended to the file as each arrives, so the pages read
// so far stay in the file whatever happens later.
class FirmwareReader : public QObject
{
    Q_OBJECT

public:
    FirmwareReader(BinaryConfigurator *configurator, QObject *parent);
    ~FirmwareReader() override;

    void start(const QString &fileName);
    // A page already asked for is ignored when it arrives.
    void stop();

signals:
    void stepPassed(double fraction);
    void readingFinished();
    void errorRead(int page);
    void fileOpenError();
    void fileWriteError();

private slots:
    void requestError(QPair<MsgType, unsigned char> request);
    void firmwarePageReceived(QByteArray page);

private:
    bool writePage(const QByteArray &page);

    QPointer<BinaryConfigurator> engine;
    QFile *file;
    bool reading = false;
    quint16 pageCount = 512;
    quint16 currentPage = 0;
};
