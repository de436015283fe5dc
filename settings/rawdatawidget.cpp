#include "rawdatawidget.h"
#include "ui_rawdatawidget.h"

#include <QCheckBox>
#include <QRadioButton>
#include <QRegExp>
#include <QRegExpValidator>

#include <algorithm>
#include <cmath>

#include "controller.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(rawDataModeChanged(BinaryConfigurator::RawDataMode)),
     SLOT(rawDataModeChanged(BinaryConfigurator::RawDataMode))},
    {SIGNAL(bestPosChanged(BinaryConfigurator::BestPosSource, double, double, double)),
     SLOT(bestPosChanged(BinaryConfigurator::BestPosSource, double, double, double))},
    {SIGNAL(messagesChanged(QVector<RawData>)), SLOT(messagesChanged(QVector<RawData>))},
    {SIGNAL(maskChanged(QVector<bool>, int, int, bool)), SLOT(maskChanged(QVector<bool>, int, int, bool))},
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
    {SIGNAL(requestCompleted(QPair<MsgType, unsigned char>)),
     SLOT(requestCompleted(QPair<MsgType, unsigned char>))},
    {SIGNAL(rawShellModeChanged(BinaryConfigurator::RawShellMode)),
     SLOT(rawShellModeChanged(BinaryConfigurator::RawShellMode))},
    {SIGNAL(smoothingModeChanged(BinaryConfigurator::SmoothingMode)),
     SLOT(smoothingModeChanged(BinaryConfigurator::SmoothingMode))},
};

const unsigned char rawDataModeGetter = 0x00;
const unsigned char bestPosGetter = 0x01;
const unsigned char messagesGetter = 0x02;
const unsigned char maskGetter = 0x03;
const unsigned char rawShellModeGetter = 0x08;
const unsigned char smoothingModeGetter = 0x0A;
const unsigned char setterOffset = 0x80;

const double unsetLatitude = -200.0;
const double unsetLongitude = -200.0;
const double unsetAltitude = -1.0;
const int systemCount = 5;

// Equal only when both are numbers and compare equal: a NaN never matches.
bool sameCoordinate(double a, double b)
{
    return !std::isnan(a) && !std::isnan(b) && a == b;
}

void selectData(QComboBox *box, int value)
{
    box->setCurrentIndex(box->findData(value, Qt::UserRole, Qt::MatchExactly | Qt::MatchCaseSensitive));
}

// An auto-exclusive radio button refuses to be unchecked while it is the checked one
// of its siblings; the page needs both unchecked when the source is not known.
void uncheckExclusive(QRadioButton *button)
{
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(true);
}

} // namespace

RawDataWidget::RawDataWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::RawDataWidget)
{
    ui->setupUi(placeholder());

    // The two mask numbers travel as one byte each.
    QRegExpValidator *byteDigits = newByteValidator();
    ui->editMinSignalNoise->setValidator(byteDigits);
    ui->editMinElevAngle->setValidator(byteDigits);
    // A decimal comma is the decimal point as a Russian user types it.
    auto *decimal = new QRegExpValidator(
        QRegExp(QStringLiteral("^[-]{0,1}[0-9]*([.,][0-9]*)?$"), Qt::CaseSensitive, QRegExp::RegExp), this);
    ui->editBestPosLat->setValidator(decimal);
    ui->editBestPosLon->setValidator(decimal);
    ui->editBestPosAlt->setValidator(decimal);

    ui->comBoxRawDataMode->clear();
    ui->comBoxRawDataMode->addItem(tr("Off"), int(BinaryConfigurator::RawDataOff));
    ui->comBoxRawDataMode->addItem(tr("1 Hz"), int(BinaryConfigurator::RawData1Hz));
    ui->comBoxRawDataMode->addItem(tr("5 Hz"), int(BinaryConfigurator::RawData5Hz));
    ui->comBoxRawDataMode->addItem(tr("10 Hz"), int(BinaryConfigurator::RawData10Hz));
    ui->comBoxRawDataMode->addItem(tr("20 Hz"), int(BinaryConfigurator::RawData20Hz));
    ui->comBoxRawDataMode->addItem(tr("40 Hz"), int(BinaryConfigurator::RawData40Hz));
    ui->comBoxRawDataMode->setCurrentIndex(unsetValue);

    ui->comBoxRawShellMode->clear();
    ui->comBoxRawShellMode->addItem(tr("NOVATEL"), int(BinaryConfigurator::ShellNovatel));
    ui->comBoxRawShellMode->addItem(tr("NOVATEL + BIN"), int(BinaryConfigurator::ShellNovatelBin));
    ui->comBoxRawShellMode->addItem(tr("RTCM3"), int(BinaryConfigurator::ShellRtcm3));
    ui->comBoxRawShellMode->addItem(tr("RTCM3 + BIN"), int(BinaryConfigurator::ShellRtcm3Bin));
    ui->comBoxRawShellMode->setCurrentIndex(unsetValue);

    ui->comBoxSmoothingMode->clear();
    ui->comBoxSmoothingMode->addItem(tr("ON"), int(BinaryConfigurator::SmoothingOn));
    ui->comBoxSmoothingMode->addItem(tr("OFF"), int(BinaryConfigurator::SmoothingOff));
    ui->comBoxSmoothingMode->setCurrentIndex(unsetValue);

    setEnabledWidgetBestPosSource();

    messageBoxes = {
        {ui->chBoxRANGE, RawData(0)},
        {ui->chBoxRANGECMP, RawData(1)},
        {ui->chBoxGPSEPH, RawData(2)},
        {ui->chBoxGLOEPH, RawData(3)},
        {ui->chBoxGLOCLOCK, RawData(4)},
        {ui->chBoxBESTPOS, RawData(5)},
        {ui->chBoxGSVDATA, RawData(6)},
        {ui->chBoxBDSEPHEMERIS, RawData(7)},
        {ui->chBoxGALINAV_EPH, RawData(8)},
        {ui->chBoxIRNEPHEMERIS, RawData(9)},
        {ui->chBoxRtcm1004_1012, RawData(16)},
        {ui->chBoxRtcm1019, RawData(18)},
        {ui->chBoxRtcm1020, RawData(19)},
        {ui->chBoxRtcm1006, RawData(21)},
    };

    connect(ui->radBtnUserData, SIGNAL(clicked()), this, SLOT(setEnabledWidgetBestPosSource()));
    connect(ui->radBtnSingleSol, SIGNAL(clicked()), this, SLOT(setEnabledWidgetBestPosSource()));

    clearAll();
}

RawDataWidget::~RawDataWidget()
{
    delete ui;
}

void RawDataWidget::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
}

void RawDataWidget::readSettings()
{
    if (!controller)
        return;
    clearAll();
    BinaryConfigurator *engine = configurator();
    engine->requestRawDataMode();
    engine->requestBestPos();
    engine->requestMessages();
    engine->requestMask();
    engine->requestRawShellMode();
    engine->requestSmoothingMode();
}

void RawDataWidget::writeSettings()
{
    if (!controller)
        return;
    takeWidgets();
    if (refuseTyped())
        return;
    BinaryConfigurator *engine = configurator();

    if (rawDataMode != rawDataModeReceived && !isUnset(rawDataMode)) {
        engine->setRawDataMode(BinaryConfigurator::RawDataMode(rawDataMode));
        rawDataModeReceived = rawDataMode;
    }

    const bool bestPosDiffers = bestPos.source != bestPosReceived.source
                                || !sameCoordinate(bestPos.latitude, bestPosReceived.latitude)
                                || !sameCoordinate(bestPos.longitude, bestPosReceived.longitude)
                                || !sameCoordinate(bestPos.altitude, bestPosReceived.altitude);
    if (bestPosDiffers && isSendable(bestPos)) {
        engine->setBestPos(BinaryConfigurator::BestPosSource(bestPos.source), bestPos.latitude,
                           bestPos.longitude, bestPos.altitude);
        bestPosReceived = bestPos;
    }

    if (messages != messagesReceived) {
        engine->setMessages(messages);
        messagesReceived = messages;
    }

    const bool maskDiffers = mask.systems != maskReceived.systems || mask.minCn0 != maskReceived.minCn0
                             || mask.minElevation != maskReceived.minElevation
                             || mask.raim != maskReceived.raim;
    if (maskDiffers && isSendable(mask)) {
        engine->setMask(mask.systems, mask.minCn0, mask.minElevation, mask.raim);
        maskReceived = mask;
    }

    if (rawShellMode != rawShellModeReceived && !isUnset(rawShellMode)) {
        engine->setRawShellMode(BinaryConfigurator::RawShellMode(rawShellMode));
        rawShellModeReceived = rawShellMode;
    }

    if (smoothingMode != smoothingModeReceived && !isUnset(smoothingMode)) {
        engine->setSmoothingMode(BinaryConfigurator::SmoothingMode(smoothingMode));
        smoothingModeReceived = smoothingMode;
    }

    readSettings();
}

void RawDataWidget::rawDataModeChanged(BinaryConfigurator::RawDataMode mode)
{
    rawDataModeReceived = rawDataMode = int(mode);
    selectData(ui->comBoxRawDataMode, int(mode));
}

void RawDataWidget::bestPosChanged(BinaryConfigurator::BestPosSource source, double latitude,
                                   double longitude, double altitude)
{
    bestPosReceived = bestPos = BestPos{int(source), latitude, longitude, altitude};
    switch (int(source)) {
    case BinaryConfigurator::BestPosSingle:
        ui->radBtnSingleSol->setChecked(true);
        ui->widgetBestPosSource->setEnabled(false);
        break;
    case BinaryConfigurator::BestPosUser:
        ui->radBtnUserData->setChecked(true);
        ui->widgetBestPosSource->setEnabled(true);
        break;
    default:
        uncheckExclusive(ui->radBtnSingleSol);
        uncheckExclusive(ui->radBtnUserData);
        ui->widgetBestPosSource->setEnabled(false);
        break;
    }
    ui->editBestPosLat->setText(QStringLiteral("%1").arg(latitude, 0, 'f', 8, QLatin1Char(' ')));
    ui->editBestPosLon->setText(QStringLiteral("%1").arg(longitude, 0, 'f', 8, QLatin1Char(' ')));
    ui->editBestPosAlt->setText(QStringLiteral("%1").arg(altitude, 0, 'f', 3, QLatin1Char(' ')));
}

void RawDataWidget::messagesChanged(QVector<RawData> received)
{
    messagesReceived = messages = received;
    for (const auto &box : qAsConst(messageBoxes))
        box.first->setChecked(received.contains(box.second));
}

void RawDataWidget::maskChanged(QVector<bool> systems, int minCn0, int minElevation, bool raim)
{
    maskReceived = mask = Entry{systems, minCn0, minElevation, raim};
    ui->editMinSignalNoise->setText(QStringLiteral("%1").arg(minCn0, 0, 10, QLatin1Char(' ')));
    ui->editMinElevAngle->setText(QStringLiteral("%1").arg(minElevation, 0, 10, QLatin1Char(' ')));
    ui->chBoxRaim->setChecked(raim);
    const QList<QCheckBox *> boxes = systemBoxes();
    for (int i = 0; i < boxes.size(); ++i)
        boxes.at(i)->setChecked(i < systems.size() && systems.at(i));
}

void RawDataWidget::rawShellModeChanged(BinaryConfigurator::RawShellMode mode)
{
    rawShellModeReceived = rawShellMode = int(mode);
    selectData(ui->comBoxRawShellMode, int(mode));
}

void RawDataWidget::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request, MsgRawDataOutput))
        return;
    BinaryConfigurator *engine = configurator();
    switch (request.second) {
    case rawDataModeGetter: clearRawDataMode(); break;
    case bestPosGetter: clearBestPos(); break;
    case messagesGetter: clearMessages(); break;
    case maskGetter: clearMask(); break;
    case rawShellModeGetter: clearRawShellMode(); break;
    case smoothingModeGetter: clearSmoothingMode(); break;
    case rawDataModeGetter + setterOffset: engine->requestRawDataMode(); break;
    case bestPosGetter + setterOffset: engine->requestBestPos(); break;
    case messagesGetter + setterOffset: engine->requestMessages(); break;
    case maskGetter + setterOffset: engine->requestMask(); break;
    case rawShellModeGetter + setterOffset: engine->requestRawShellMode(); break;
    case smoothingModeGetter + setterOffset: engine->requestSmoothingMode(); break;
    default:
        break;
    }
}

void RawDataWidget::requestCompleted(QPair<MsgType, unsigned char>)
{
    // An acknowledged setter needs nothing: Save reads the whole page back anyway.
}

void RawDataWidget::setEnabledWidgetBestPosSource()
{
    if (ui->radBtnSingleSol->isChecked())
        ui->widgetBestPosSource->setEnabled(false);
    else if (ui->radBtnUserData->isChecked())
        ui->widgetBestPosSource->setEnabled(true);
}

void RawDataWidget::smoothingModeChanged(BinaryConfigurator::SmoothingMode mode)
{
    smoothingModeReceived = smoothingMode = int(mode);
    selectData(ui->comBoxSmoothingMode, int(mode));
}

void RawDataWidget::clearRawDataMode()
{
    clearComboBox(ui->comBoxRawDataMode);
    rawDataModeReceived = rawDataMode = unsetValue;
}

void RawDataWidget::clearBestPos()
{
    uncheckExclusive(ui->radBtnSingleSol);
    uncheckExclusive(ui->radBtnUserData);
    clearLineEdit(ui->editBestPosLat);
    clearLineEdit(ui->editBestPosLon);
    clearLineEdit(ui->editBestPosAlt);
    bestPosReceived = bestPos = BestPos{unsetValue, unsetLatitude, unsetLongitude, unsetAltitude};
}

void RawDataWidget::clearMessages()
{
    for (const auto &box : qAsConst(messageBoxes))
        box.first->setChecked(false);
    messagesReceived.clear();
    messages.clear();
}

void RawDataWidget::clearMask()
{
    for (QCheckBox *box : systemBoxes())
        uncheckButton(box);
    clearLineEdit(ui->editMinSignalNoise);
    clearLineEdit(ui->editMinElevAngle);
    uncheckButton(ui->chBoxRaim);
    maskReceived = mask = Entry{QVector<bool>(), unsetValue, unsetValue, false};
}

void RawDataWidget::clearRawShellMode()
{
    clearComboBox(ui->comBoxRawShellMode);
    rawShellModeReceived = rawShellMode = unsetValue;
}

void RawDataWidget::clearSmoothingMode()
{
    clearComboBox(ui->comBoxSmoothingMode);
    smoothingModeReceived = smoothingMode = unsetValue;
}

void RawDataWidget::clearAll()
{
    clearRawDataMode();
    clearBestPos();
    clearMessages();
    clearMask();
    clearRawShellMode();
    clearSmoothingMode();
}

void RawDataWidget::takeWidgets()
{
    exchangeComboBoxData(rawDataMode, ui->comBoxRawDataMode, unsetValue);
    exchangeComboBoxData(rawShellMode, ui->comBoxRawShellMode, unsetValue);
    exchangeComboBoxData(smoothingMode, ui->comBoxSmoothingMode, unsetValue);

    if (ui->radBtnSingleSol->isChecked())
        bestPos.source = BinaryConfigurator::BestPosSingle;
    else if (ui->radBtnUserData->isChecked())
        bestPos.source = BinaryConfigurator::BestPosUser;
    else
        bestPos.source = unsetValue;
    exchangeLineEditValue(bestPos.latitude, ui->editBestPosLat, unsetLatitude, TypedNumber::real(-90.0, 90.0));
    exchangeLineEditValue(bestPos.longitude, ui->editBestPosLon, unsetLongitude, TypedNumber::real(-180.0, 180.0));
    exchangeLineEditValue(bestPos.altitude, ui->editBestPosAlt, unsetAltitude);

    messages = checkedMessages();

    mask.systems.clear();
    for (QCheckBox *box : systemBoxes())
        mask.systems.append(box->isChecked());
    exchangeLineEditValue(mask.minCn0, ui->editMinSignalNoise, unsetValue, byteRule());
    exchangeLineEditValue(mask.minElevation, ui->editMinElevAngle, unsetValue, byteRule());
    mask.raim = ui->chBoxRaim->isChecked();
}

QVector<RawData> RawDataWidget::checkedMessages() const
{
    // Bits the receiver reported but the page has no box for stay as they came: the
    // user cannot see them, so Save must not switch those outputs off.
    QVector<RawData> result;
    for (RawData message : messagesReceived) {
        const bool hasBox = std::any_of(messageBoxes.cbegin(), messageBoxes.cend(),
                                        [message](const auto &box) { return box.second == message; });
        if (!hasBox)
            result.append(message);
    }
    for (const auto &box : qAsConst(messageBoxes)) {
        if (box.first->isChecked())
            result.append(box.second);
    }
    // Ascending, as the receiver reports them, so an unchanged set compares equal.
    std::sort(result.begin(), result.end());
    return result;
}

bool RawDataWidget::isSendable(const BestPos &position) const
{
    // The setter carries the source and all three coordinates: while any of them is
    // unknown there is nothing true to send.
    const bool knownSource = position.source == BinaryConfigurator::BestPosSingle
                             || position.source == BinaryConfigurator::BestPosUser;
    const auto known = [](double value, double unset) { return std::isfinite(value) && value != unset; };
    return knownSource && known(position.latitude, unsetLatitude) && known(position.longitude, unsetLongitude)
           && known(position.altitude, unsetAltitude);
}

bool RawDataWidget::isSendable(const Entry &entry) const
{
    // Both numbers are one byte on the wire; an unknown one (-1) has no byte to send.
    return entry.systems.size() == systemCount && isByte(entry.minCn0) && isByte(entry.minElevation);
}

QList<QCheckBox *> RawDataWidget::systemBoxes() const
{
    return {ui->chBoxGps, ui->chBoxGlonass, ui->chBoxBeiDou, ui->chBoxGalileo, ui->chBoxIrnss};
}
