#pragma once

#include <QByteArray>
#include <QObject>
#include <QPair>
#include <QPointer>
#include <QString>

#include "binaryconfigurator.h"

class QFile;

// Writes a firmware image into the receiver's flash over the command engine:
// announce, erase (sector by sector or all at once), write the 1024-byte pages,
// read every page back and compare, commit, announce the end. Each acknowledgement
// of the engine moves the procedure one step on.
class FirmwareInstaller : public QObject
{
    Q_OBJECT

public:
    FirmwareInstaller(BinaryConfigurator *configurator, QObject *parent);
    ~FirmwareInstaller() override;

    // mode 0: erase sector by sector, write with 0x82 and read with sub-id 2;
    // mode 1: erase all at once, write with 0x85 and read with sub-id 5.
    // The flags tell the announcement's format: all three false selects the new
    // format, which takes bytes 12, 13 and 9 of the new version block; otherwise the
    // old one takes bytes 2, 3 and 4 of the old version (oldVersion holds bytes 0 to
    // 3 in memory order, oldVersionLast byte 4). newVersion0..4 are the block's
    // 20 bytes as five words in memory order.
    void startInstallation(const QString &fileName, int mode,
                           bool oldReceiverFirmware, bool longVersionReply, bool oldImageFirmware,
                           quint32 oldVersion, quint8 oldVersionLast,
                           quint32 newVersion0, quint32 newVersion1, quint32 newVersion2,
                           quint32 newVersion3, quint32 newVersion4);
    // The same with an image already read (by loadFile): the page reads the file once
    // per Write, for its header and for the installation alike.
    void installImage(const QByteArray &image, int mode,
                      bool oldReceiverFirmware, bool longVersionReply, bool oldImageFirmware,
                      quint32 oldVersion, quint8 oldVersionLast,
                      quint32 newVersion0, quint32 newVersion1, quint32 newVersion2,
                      quint32 newVersion3, quint32 newVersion4);
    // Reads the whole file into data when it is a regular file no larger than the
    // installer can write; otherwise emits fileError() and returns false.
    bool loadFile(QByteArray &data, const QString &fileName);
    // Ends the procedure without sending anything; later replies are ignored.
    void reset();
    // Sets the receiver's load mark, outside the procedure.
    void commit(int mode);
    // Asks the receiver for its load mark; the answer comes as frmLoadFileChanged.
    void requestFirmwareType();

signals:
    void stepPassed(double fraction);
    void installationFinished();
    void installationFailed();
    void errorWrite(int pagesWritten);
    void errorErase(int sectorsErased);
    void errorValidateFirmware();
    void fileError();
    void finish();
    void frmLoadFileChanged(BinaryConfigurator::FrmLoadFile type);
    void requestErrorToUpdate(QPair<MsgType, unsigned char> request);

private slots:
    void requestCompleted(QPair<MsgType, unsigned char> request);
    void requestError(QPair<MsgType, unsigned char> request);
    void firmwarePageReceived(QByteArray page);

private:
    enum State { Announced = 0, Erasing = 1, Writing = 2, Verifying = 3, Committing = 4, Ending = 5 };

    void sendBoundary(quint8 flag);
    void readCurrentPage();
    QByteArray pageOfImage(int pageIndex) const;
    double progress() const;
    void fail();
    bool isEraseAllMode() const;

    quint8 oldVersionRecord[5];
    quint8 newVersionRecord[20];
    quint8 formatFlags[3];
    QPointer<BinaryConfigurator> engine;
    QFile *file;
    int state = Announced;
    bool inProgress = false;
    int mode = 0;
    quint8 sectorCount = 0;
    quint16 pageCount = 0;
    quint8 sectorsErased = 0;
    quint16 pagesWritten = 0;
    quint16 pagesVerified = 0;
    QByteArray image;
    QByteArray readBack;
};
