#pragma once

#include <QByteArray>
#include <QMessageBox>
#include <QPair>
#include <QString>

#include <cstdint>

#include "abstractconfigurationwidget.h"

namespace Ui {
class FirmwareInstallerWidget;
}

// "Firmware": the user picks a firmware image, compares the version in its header with
// the one the receiver reports, and writes it into the receiver through the
// FirmwareInstaller, with its progress and a box for every outcome. Save and Refresh
// set and read the receiver's load mark.
//
// The image header, all numbers little-endian, a byte beyond the end of the file 0:
//   40  5 bytes  old-style version: major, minor, three further bytes
//   72  u32      position P of the version record
//   76  u32      image identifier
//   80  byte, 81 byte
//   P   17 bytes version record; bytes 12 to 16 the build version
//   P + 17       build date text, at most 11 bytes, up to its first zero
class FirmwareInstallerWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit FirmwareInstallerWidget(QWidget *parent = nullptr);
    ~FirmwareInstallerWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

private slots:
    void showFutureVersionsOld(uint8_t major, uint8_t minor, QString date);
    void showFutureVersionsNew(uint8_t part1, uint8_t part2, uint8_t part3, uint8_t part4, uint8_t part5,
                               QString date, uint32_t identifier, uint8_t kind);
    void stepPassed(double fraction);
    void on_btnBrowseFilename_clicked(bool checked);
    void on_btnWrite_clicked(bool checked);
    void on_btnCancelWrite_clicked(bool checked);
    void frmLoadFileChanged(BinaryConfigurator::FrmLoadFile loadMark);
    void errorWrite(int page);
    void errorErase(int sector);
    void fileError();
    void errorValidateFirmware();
    void installationFailed();
    void installationFinished();
    void finish();
    void requestError(QPair<MsgType, unsigned char> request);
    void fwrVersionsChanged(BinaryConfigurator::FwrVersionsData versions, int replyLength);
    void fwrVersionsNewChanged(BinaryConfigurator::FwrVersionsNewData versions);

private:
    // The new version block handed to the installer: 20 bytes.
    static constexpr int newVersionSize = 20;
    static constexpr int oldVersionSize = 5;

    void connectAll(bool doConnect);
    bool loadImage(const QString &fileName);
    void readHeader();
    quint8 imageByte(qint64 offset) const;
    quint32 imageWord(qint64 offset) const;
    void startWriting(int mode);
    void showProgress();
    void hideProgress();
    void setWriting(bool on);
    void clearLoadMark();
    void showOutcome(QMessageBox::Icon icon, const QString &title, const QString &text);

    Ui::FirmwareInstallerWidget *ui;
    BinaryConfigurator::FwrVersionsData fwrVersions;
    BinaryConfigurator::FwrVersionsNewData fwrVersionsNew;
    bool oldReceiverFirmware = true;
    bool longVersionReply = false;
    bool oldImageFirmware = true;
    quint8 imageOldVersion[oldVersionSize];
    quint8 imageNewVersion[newVersionSize];
    QByteArray image;
    int frmLoadFileReceived = -1;
    int frmLoadFile = -1;
    // From the start of a write until its outcome or Cancel.
    bool writing = false;
};
