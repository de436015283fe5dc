#include "firmwareinstallerwidget.h"
#include "ui_firmwareinstallerwidget.h"

#include <cstring>

#include "controller.h"
#include "firmwareinstaller.h"
#include "parserproxy.h"
#include "settingsdialogs.h"

namespace {

struct Connection {
    const char *signal;
    const char *slot;
};

const Connection installerConnections[] = {
    {SIGNAL(stepPassed(double)), SLOT(stepPassed(double))},
    {SIGNAL(errorErase(int)), SLOT(errorErase(int))},
    {SIGNAL(errorWrite(int)), SLOT(errorWrite(int))},
    {SIGNAL(fileError()), SLOT(fileError())},
    {SIGNAL(errorValidateFirmware()), SLOT(errorValidateFirmware())},
    {SIGNAL(installationFailed()), SLOT(installationFailed())},
    {SIGNAL(installationFinished()), SLOT(installationFinished())},
    {SIGNAL(finish()), SLOT(finish())},
    {SIGNAL(frmLoadFileChanged(BinaryConfigurator::FrmLoadFile)),
     SLOT(frmLoadFileChanged(BinaryConfigurator::FrmLoadFile))},
};

const PageConnectionTable engineConnections = {
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(fwrVersionsChanged(BinaryConfigurator::FwrVersionsData, int)),
     SLOT(fwrVersionsChanged(BinaryConfigurator::FwrVersionsData, int))},
    {SIGNAL(fwrVersionsNewChanged(BinaryConfigurator::FwrVersionsNewData)),
     SLOT(fwrVersionsNewChanged(BinaryConfigurator::FwrVersionsNewData))},
};

const unsigned char loadMarkGetter = 0x06;
const unsigned char loadMarkSetter = 0x86;

// Install modes of the installer.
const int nativeMode = 0; // erase sector by sector
const int userMode = 1;   // erase the whole flash at once

// Header offsets of a firmware image.
const qint64 oldVersionOffset = 40;
const qint64 recordPositionOffset = 72;
const qint64 identifierOffset = 76;
const qint64 byte80Offset = 80;
const qint64 byte81Offset = 81;
const qint64 recordSize = 17;
const qint64 dateSize = 11;

const QString versionMask = QStringLiteral("XX");
const QString idMask = QStringLiteral("XXXXXXXX");

// Versions below 6.60 speak the old firmware protocol.
bool isOldStyle(quint8 major, quint8 minor)
{
    return major < 6 || (major == 6 && minor < 60);
}

QString twoDigits(quint8 value)
{
    return value <= 9 ? QStringLiteral("0%1").arg(value) : QString::number(value);
}

QString eightHexDigits(quint32 value)
{
    return QString::number(value, 16).rightJustified(8, QLatin1Char('0'));
}

QString versionText(const QString &a, const QString &b, const QString &c, const QString &d, const QString &e)
{
    return QStringLiteral("%1-%2-%3-%4-%5").arg(a, b, c, d, e);
}

QString dateText(const QString &a, const QString &b, const QString &c)
{
    return QStringLiteral("%1.%2.%3").arg(a, b, c);
}

} // namespace

FirmwareInstallerWidget::FirmwareInstallerWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::FirmwareInstallerWidget)
{
    // Nothing is read yet: a file name typed by hand and written without a load still
    // hands defined bytes on (and Write reads the header of that file first anyway).
    std::memset(&fwrVersions, 0, sizeof fwrVersions);
    std::memset(&fwrVersionsNew, 0, sizeof fwrVersionsNew);
    std::memset(imageOldVersion, 0, sizeof imageOldVersion);
    std::memset(imageNewVersion, 0, sizeof imageNewVersion);

    ui->setupUi(placeholder());
    ui->prBar->setMaximum(100);
    hideProgress();

    ui->comBoxLoadMark->clear();
    ui->comBoxLoadMark->addItem(QStringLiteral("Native"), int(BinaryConfigurator::FrmNative));
    ui->comBoxLoadMark->addItem(QStringLiteral("User"), int(BinaryConfigurator::FrmUser));
    ui->comBoxLoadMark->setCurrentIndex(unsetValue);
    clearLoadMark();

    connect(ui->btnBrowseFilename, SIGNAL(clicked(bool)), this, SLOT(on_btnBrowseFilename_clicked(bool)));
    connect(ui->btnWrite, SIGNAL(clicked(bool)), this, SLOT(on_btnWrite_clicked(bool)));
    connect(ui->btnCancelWrite, SIGNAL(clicked(bool)), this, SLOT(on_btnCancelWrite_clicked(bool)));
}

FirmwareInstallerWidget::~FirmwareInstallerWidget()
{
    delete ui;
}

void FirmwareInstallerWidget::setController(Controller *newController)
{
    connectAll(false);
    moveConfiguratorConnections(newController, engineConnections);
    connectAll(true);
}

void FirmwareInstallerWidget::readSettings()
{
    // While writing, an answer or refusal of group 6 would be taken by the installer
    // for a step of its own.
    if (!controller || writing)
        return;
    controller->firmwareInstaller()->requestFirmwareType();
    configurator()->requestFwrVersions();
}

void FirmwareInstallerWidget::writeSettings()
{
    // The installer commits the load mark itself; a commit of the page's in the
    // middle would end the installation out of turn.
    if (!controller || writing)
        return;
    exchangeComboBoxData(frmLoadFile, ui->comBoxLoadMark, unsetValue);
    if (frmLoadFile != frmLoadFileReceived && !isUnset(frmLoadFile)) {
        controller->firmwareInstaller()->commit(frmLoadFile);
        frmLoadFileReceived = frmLoadFile;
    }
    readSettings();
}

void FirmwareInstallerWidget::showFutureVersionsOld(uint8_t major, uint8_t minor, QString date)
{
    ui->lineEditBuildVersion_future->setText(
        versionText(versionMask, versionMask, twoDigits(major), twoDigits(minor), versionMask));
    ui->lineEditBuildDate_future->setText(date);
    ui->lineEditDeviceID_future->setText(idMask);
}

void FirmwareInstallerWidget::showFutureVersionsNew(uint8_t part1, uint8_t part2, uint8_t part3, uint8_t part4,
                                                    uint8_t part5, QString date, uint32_t identifier, uint8_t kind)
{
    ui->lineEditBuildVersion_future->setText(
        versionText(twoDigits(part1), twoDigits(part2), twoDigits(part3), twoDigits(part4), twoDigits(part5)));
    ui->lineEditBuildDate_future->setText(date);
    ui->lineEditDeviceID_future->setText(
        QStringLiteral("%1-%2-%3").arg(eightHexDigits(identifier), idMask, QString::number(kind)));
}

void FirmwareInstallerWidget::stepPassed(double fraction)
{
    const double steps = ui->prBar->maximum() * qBound(0.0, fraction, 1.0);
    ui->prBar->setValue(int(steps));
}

void FirmwareInstallerWidget::on_btnBrowseFilename_clicked(bool)
{
    const QString fileName = SettingsDialogs::openFileName(this, tr("Choose file"));
    if (fileName.isEmpty())
        return;
    ui->editFilename->setText(fileName);
    loadImage(ui->editFilename->text());
}

void FirmwareInstallerWidget::on_btnWrite_clicked(bool)
{
    if (!controller)
        return;
    const QString fileName = ui->editFilename->text();
    if (fileName.isEmpty()) {
        SettingsDialogs::message(this, QMessageBox::Critical, tr("Error"), tr("File is not selected"),
                                 QMessageBox::Ok, QMessageBox::Ok);
        return;
    }
    if (ui->rBtnNative->isChecked()) {
        const QMessageBox::StandardButton answer = SettingsDialogs::message(
            nullptr, QMessageBox::Question, QStringLiteral("Native Firmware"),
            tr("This option is available only for developers. Are you sure that you want to do this?"),
            QMessageBox::Yes | QMessageBox::Cancel, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            startWriting(nativeMode);
        return;
    }
    if (ui->rBtnUser->isChecked())
        startWriting(userMode);
}

void FirmwareInstallerWidget::on_btnCancelWrite_clicked(bool)
{
    hideProgress();
    if (controller)
        controller->firmwareInstaller()->reset();
}

void FirmwareInstallerWidget::frmLoadFileChanged(BinaryConfigurator::FrmLoadFile loadMark)
{
    frmLoadFileReceived = frmLoadFile = int(loadMark);
    ui->comBoxLoadMark->setCurrentIndex(ui->comBoxLoadMark->findData(int(loadMark)));
}

void FirmwareInstallerWidget::errorWrite(int page)
{
    showOutcome(QMessageBox::Critical, tr("Error writing sector"),
                tr("An error occurred while writing the sector #%1.").arg(page));
}

void FirmwareInstallerWidget::errorErase(int sector)
{
    showOutcome(QMessageBox::Critical, tr("Error erasing sector"),
                tr("An error occurred while erasing the sector #%1.").arg(sector));
}

void FirmwareInstallerWidget::fileError()
{
    showOutcome(QMessageBox::Critical, tr("File operation error"),
                tr("An error occurred when performing a file operation."));
}

void FirmwareInstallerWidget::errorValidateFirmware()
{
    showOutcome(QMessageBox::Critical, tr("Error validating firmware"),
                tr("An error occurred while validating installed firmware."));
}

void FirmwareInstallerWidget::installationFailed()
{
    showOutcome(QMessageBox::Critical, tr("Installation fail"), tr("An error occurred while installing firmware."));
}

void FirmwareInstallerWidget::installationFinished()
{
    showOutcome(QMessageBox::Information, tr("Writing completed"), tr("Firmware writing is successfully completed."));
}

void FirmwareInstallerWidget::finish()
{
    // The receiver restarts into the new firmware with its own output set: what the
    // windows still show came from the old one.
    readSettings();
    if (controller)
        controller->parser()->showAllLastData();
}

void FirmwareInstallerWidget::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request, MsgFirmware))
        return;
    switch (request.second) {
    case loadMarkSetter:
        controller->firmwareInstaller()->requestFirmwareType();
        break;
    case loadMarkGetter:
        clearLoadMark();
        break;
    default:
        break;
    }
}

void FirmwareInstallerWidget::fwrVersionsChanged(BinaryConfigurator::FwrVersionsData versions, int replyLength)
{
    fwrVersions = versions;
    if (replyLength >= 9) {
        longVersionReply = true;
        oldReceiverFirmware = false;
        ui->lineEditBuildVersion_current->setText(
            versionText(versionMask, versionMask, versionMask, versionMask, versionMask));
        ui->lineEditBuildDate_current->setText(dateText(versionMask, versionMask, QStringLiteral("XXXX")));
        ui->lineEditDeviceID_0_current->setText(idMask);
        ui->lineEditDeviceID_1_current->setText(idMask);
        ui->lineEditDeviceID_2_current->setText(idMask);
        return;
    }
    if (isOldStyle(versions.versionMajor, versions.versionMinor)) {
        oldReceiverFirmware = true;
        ui->lineEditBuildVersion_current->setText(versionText(versionMask, versionMask, twoDigits(versions.versionMajor),
                                                              twoDigits(versions.versionMinor), versionMask));
        ui->lineEditBuildDate_current->setText(
            dateText(twoDigits(versions.datePart2), twoDigits(versions.datePart1), QString::number(versions.year)));
        ui->lineEditDeviceID_0_current->setText(idMask);
        ui->lineEditDeviceID_1_current->setText(idMask);
        ui->lineEditDeviceID_2_current->setText(idMask);
        return;
    }
    // 6.60 and later tell their build in a record of their own.
    oldReceiverFirmware = false;
    if (controller)
        configurator()->requestFwrVersionsNew();
}

void FirmwareInstallerWidget::fwrVersionsNewChanged(BinaryConfigurator::FwrVersionsNewData versions)
{
    fwrVersionsNew = versions;
    const quint8 *build = versions.buildVersion;
    ui->lineEditBuildVersion_current->setText(versionText(twoDigits(build[0]), twoDigits(build[1]),
                                                          twoDigits(build[2]), twoDigits(build[3]),
                                                          twoDigits(build[4])));
    ui->lineEditBuildDate_current->setText(dateText(twoDigits(versions.buildDate[0]),
                                                    twoDigits(versions.buildDate[1]),
                                                    twoDigits(versions.buildDate[2])));
    ui->lineEditDeviceID_0_current->setText(eightHexDigits(versions.deviceId[0]));
    ui->lineEditDeviceID_1_current->setText(eightHexDigits(versions.deviceId[1]));
    ui->lineEditDeviceID_2_current->setText(eightHexDigits(versions.deviceId[2]));
}

void FirmwareInstallerWidget::connectAll(bool doConnect)
{
    if (!controller)
        return;
    FirmwareInstaller *installer = controller->firmwareInstaller();
    for (const Connection &c : installerConnections) {
        if (doConnect)
            connect(installer, c.signal, this, c.slot);
        else
            disconnect(installer, c.signal, this, c.slot);
    }
}

bool FirmwareInstallerWidget::loadImage(const QString &fileName)
{
    if (!controller)
        return false;
    image.clear();
    // On failure the installer reports fileError(), which shows its box.
    if (!controller->firmwareInstaller()->loadFile(image, fileName))
        return false;
    readHeader();
    return true;
}

void FirmwareInstallerWidget::readHeader()
{
    for (int i = 0; i < oldVersionSize; ++i)
        imageOldVersion[i] = imageByte(oldVersionOffset + i);
    oldImageFirmware = isOldStyle(imageOldVersion[0], imageOldVersion[1]);
    std::memset(imageNewVersion, 0, sizeof imageNewVersion);
    if (oldImageFirmware) {
        showFutureVersionsOld(imageOldVersion[0], imageOldVersion[1], QStringLiteral("XX.XX.XXXX"));
        return;
    }

    // Offsets are 64-bit: a record position near 4 GB reads zeros, it does not wrap.
    const qint64 record = imageWord(recordPositionOffset);
    for (int i = 0; i < 4; ++i)
        imageNewVersion[i] = imageByte(identifierOffset + i);
    for (int i = 4; i < 8; ++i)
        imageNewVersion[i] = imageByte(record + i);
    imageNewVersion[8] = imageByte(byte80Offset);
    imageNewVersion[9] = imageByte(byte81Offset);
    for (int i = 10; i < 17; ++i)
        imageNewVersion[i] = imageByte(record + i);

    // The date text follows as much of the record as the file holds.
    const qint64 size = image.size();
    const qint64 dateStart = record + qMin(recordSize, qMax<qint64>(0, size - record));
    QByteArray date;
    for (qint64 offset = dateStart; offset < size && offset < dateStart + dateSize; ++offset) {
        const char c = image.at(int(offset));
        if (c == '\0')
            break;
        date.append(c);
    }

    showFutureVersionsNew(imageNewVersion[12], imageNewVersion[13], imageNewVersion[14], imageNewVersion[15],
                          imageNewVersion[16], QString::fromUtf8(date), imageWord(identifierOffset),
                          imageNewVersion[9]);
}

quint8 FirmwareInstallerWidget::imageByte(qint64 offset) const
{
    if (offset < 0 || offset >= image.size())
        return 0;
    return quint8(image.at(int(offset)));
}

quint32 FirmwareInstallerWidget::imageWord(qint64 offset) const
{
    return quint32(imageByte(offset)) | quint32(imageByte(offset + 1)) << 8 | quint32(imageByte(offset + 2)) << 16
           | quint32(imageByte(offset + 3)) << 24;
}

void FirmwareInstallerWidget::startWriting(int mode)
{
    const QString fileName = ui->editFilename->text();
    // The header is read from the file named now: the name may have been typed, or the
    // file changed, since it was chosen.
    if (!loadImage(fileName))
        return;
    quint32 oldVersion = 0;
    std::memcpy(&oldVersion, imageOldVersion, sizeof oldVersion);
    quint32 newVersion[newVersionSize / 4];
    std::memcpy(newVersion, imageNewVersion, sizeof newVersion);
    showProgress();
    // The bytes just read serve the installation too: the file is read once per Write.
    controller->firmwareInstaller()->installImage(image, mode, oldReceiverFirmware, longVersionReply,
                                                   oldImageFirmware, oldVersion, imageOldVersion[4],
                                                   newVersion[0], newVersion[1], newVersion[2], newVersion[3],
                                                   newVersion[4]);
}

void FirmwareInstallerWidget::showProgress()
{
    ui->btnWrite->hide();
    ui->btnCancelWrite->show();
    ui->prBar->show();
    setWriting(true);
}

void FirmwareInstallerWidget::hideProgress()
{
    ui->prBar->hide();
    ui->prBar->setValue(0);
    ui->btnCancelWrite->hide();
    ui->btnWrite->show();
    setWriting(false);
}

void FirmwareInstallerWidget::setWriting(bool on)
{
    // Save, Refresh and the load mark wait until the write has ended.
    writing = on;
    saveButton()->setEnabled(!on);
    refreshButton()->setEnabled(!on);
    ui->comBoxLoadMark->setEnabled(!on);
}

void FirmwareInstallerWidget::clearLoadMark()
{
    clearComboBox(ui->comBoxLoadMark);
    frmLoadFileReceived = frmLoadFile = unsetValue;
}

void FirmwareInstallerWidget::showOutcome(QMessageBox::Icon icon, const QString &title, const QString &text)
{
    hideProgress();
    SettingsDialogs::message(this, icon, title, text, QMessageBox::Ok, QMessageBox::Ok);
}
