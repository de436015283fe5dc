#include "ppswidget.h"
#include "ui_ppswidget.h"

#include <QRegExp>
#include <QRegExpValidator>

#include <cmath>

#include "controller.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(ppsCtrlChanged(int, BinaryConfigurator::AdjustmentPPS)),
     SLOT(ppsCtrlChanged(int, BinaryConfigurator::AdjustmentPPS))},
    {SIGNAL(rawClockSrcChanged(bool)), SLOT(rawClockSrcChanged(bool))},
    {SIGNAL(rawClockTlrChanged(int)), SLOT(rawClockTlrChanged(int))},
    {SIGNAL(rawGloL1tauChanged(int)), SLOT(rawGloL1tauChanged(int))},
    {SIGNAL(rawGloL2tauChanged(int)), SLOT(rawGloL2tauChanged(int))},
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
};

// Group 3.
const unsigned char ppsCtrlGetter = 0x40;
const unsigned char ppsCtrlSetter = ppsCtrlGetter + 0x80;
// Group 8.
const unsigned char rawClockSrcGetter = 0x04;
const unsigned char rawClockTlrGetter = 0x05;
const unsigned char rawGloL1tauGetter = 0x06;
const unsigned char rawGloL2tauGetter = 0x07;
const unsigned char setterOffset = 0x80;

QRegExpValidator *validator(const char *pattern, QObject *parent)
{
    return new QRegExpValidator(QRegExp(QLatin1String(pattern), Qt::CaseSensitive, QRegExp::RegExp), parent);
}

} // namespace

const int PPSWidget::slopeUnsetValue = int(std::pow(10.0, 9.0));

PPSWidget::PPSWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::PPSWidget)
{
    ui->setupUi(placeholder());
    QRegExpValidator *digits = validator("[0-9]*", this);
    ui->editCalibration->setValidator(digits);
    ui->editClockTolerance->setValidator(digits);
    QRegExpValidator *signedDigits = validator("^[-]{0,1}[0-9]*", this);
    ui->editGloL1Slope->setValidator(signedDigits);
    ui->editGloL2Slope->setValidator(signedDigits);

    ui->comBoxAdjustment->clear();
    const char *scales[] = {
        QT_TRANSLATE_NOOP("PPSWidget", "tscl_AUTO"),
        QT_TRANSLATE_NOOP("PPSWidget", "tscl_GPS"),
        QT_TRANSLATE_NOOP("PPSWidget", "tscl_GLO"),
        QT_TRANSLATE_NOOP("PPSWidget", "tscl_BDO"),
        QT_TRANSLATE_NOOP("PPSWidget", "tscl_GAL"),
        QT_TRANSLATE_NOOP("PPSWidget", "tscl_IRN"),
        QT_TRANSLATE_NOOP("PPSWidget", "tscl_UTC"),
        QT_TRANSLATE_NOOP("PPSWidget", "tscl_NO")
    };
    int scale = 0;
    for (const char *text : scales)
        ui->comBoxAdjustment->addItem(tr(text), scale++);
    clearComboBox(ui->comBoxAdjustment);
    ui->comBoxClockSrc->clear();
    ui->comBoxClockSrc->addItem(tr("Receiver"));
    ui->comBoxClockSrc->addItem(tr("System"));
    clearComboBox(ui->comBoxClockSrc);
    clearPage();
}

PPSWidget::~PPSWidget()
{
    delete ui;
}

void PPSWidget::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
}

void PPSWidget::readSettings()
{
    if (!controller)
        return;
    clearPage();
    configurator()->requestPpsCtrl();
    configurator()->requestRawClockSrc();
    configurator()->requestRawClockTlr();
    configurator()->requestRawGloL1tau();
    configurator()->requestRawGloL2tau();
}

void PPSWidget::writeSettings()
{
    if (!controller)
        return;
    exchangeLineEditValue(currentPpsCalibration, ui->editCalibration, unsetValue);
    // A reported -1 is the receiver's value: an emptied field shows it again.
    if (ppsCalibrationKnown && isEmptyText(ui->editCalibration->text()))
        ui->editCalibration->setText(QString::number(currentPpsCalibration, 10));
    exchangeComboBoxData(currentPpsAdjustment, ui->comBoxAdjustment, unsetValue);
    currentRawClockSrc = ui->comBoxClockSrc->currentText() == tr("Receiver");
    exchangeLineEditValue(currentRawClockTlr, ui->editClockTolerance, unsetValue);
    exchangeLineEditValue(currentRawGloL1tau, ui->editGloL1Slope, slopeUnsetValue);
    exchangeLineEditValue(currentRawGloL2tau, ui->editGloL2Slope, slopeUnsetValue);
    if (refuseTyped())
        return;

    // The value and the scale travel together. An unknown scale has no byte to send
    // (0xFF is no time scale), and an unknown value has none either: then nothing goes
    // out. The field takes no minus sign, so a -1 in it is either the receiver's own
    // (FF FF FF FF, a value like any other) or "not read".
    const bool ppsChanged = currentPpsCalibration != receivedPpsCalibration
                            || currentPpsAdjustment != receivedPpsAdjustment;
    const bool calibrationKnown = ppsCalibrationKnown || !isUnset(currentPpsCalibration);
    if (ppsChanged && !isUnset(currentPpsAdjustment) && calibrationKnown) {
        configurator()->setPpsCtrl(currentPpsCalibration,
                                   BinaryConfigurator::AdjustmentPPS(currentPpsAdjustment));
        receivedPpsCalibration = currentPpsCalibration;
        receivedPpsAdjustment = currentPpsAdjustment;
    }
    if (currentRawClockSrc != receivedRawClockSrc) {
        configurator()->setRawClockSrc(currentRawClockSrc);
        receivedRawClockSrc = currentRawClockSrc;
    }
    if (currentRawClockTlr != receivedRawClockTlr) {
        configurator()->setRawClockTlr(currentRawClockTlr);
        receivedRawClockTlr = currentRawClockTlr;
    }
    if (currentRawGloL1tau != receivedRawGloL1tau) {
        configurator()->setRawGloL1tau(currentRawGloL1tau);
        receivedRawGloL1tau = currentRawGloL1tau;
    }
    if (currentRawGloL2tau != receivedRawGloL2tau) {
        configurator()->setRawGloL2tau(currentRawGloL2tau);
        receivedRawGloL2tau = currentRawGloL2tau;
    }
    readSettings();
}

void PPSWidget::ppsCtrlChanged(int value, BinaryConfigurator::AdjustmentPPS scale)
{
    receivedPpsCalibration = currentPpsCalibration = value;
    ppsCalibrationKnown = true;
    receivedPpsAdjustment = currentPpsAdjustment = int(scale);
    ui->editCalibration->setText(QString::number(value, 10));
    ui->comBoxAdjustment->setCurrentIndex(ui->comBoxAdjustment->findData(int(scale)));
}

void PPSWidget::rawClockSrcChanged(bool source)
{
    receivedRawClockSrc = currentRawClockSrc = source;
    ui->comBoxClockSrc->setCurrentText(source ? tr("Receiver") : tr("System"));
}

void PPSWidget::rawClockTlrChanged(int tolerance)
{
    receivedRawClockTlr = currentRawClockTlr = tolerance;
    ui->editClockTolerance->setText(QString::number(tolerance, 10));
}

void PPSWidget::rawGloL1tauChanged(int tau)
{
    receivedRawGloL1tau = currentRawGloL1tau = tau;
    ui->editGloL1Slope->setText(QString::number(tau, 10));
}

void PPSWidget::rawGloL2tauChanged(int tau)
{
    receivedRawGloL2tau = currentRawGloL2tau = tau;
    ui->editGloL2Slope->setText(QString::number(tau, 10));
}

void PPSWidget::requestError(QPair<MsgType, unsigned char> request)
{
    if (isOwnRequest(request)) {
        if (request.second == ppsCtrlGetter)
            clearPpsCtrl();
        else if (request.second == ppsCtrlSetter)
            configurator()->requestPpsCtrl();
        return;
    }
    if (!isOwnRequest(request, MsgRawDataOutput))
        return;
    switch (request.second) {
    case rawClockSrcGetter:
        clearRawClockSrc();
        break;
    case rawClockTlrGetter:
        clearRawClockTlr();
        break;
    case rawGloL1tauGetter:
        clearRawGloL1tau();
        break;
    case rawGloL2tauGetter:
        clearRawGloL2tau();
        break;
    case rawClockSrcGetter + setterOffset:
        configurator()->requestRawClockSrc();
        break;
    case rawClockTlrGetter + setterOffset:
        configurator()->requestRawClockTlr();
        break;
    case rawGloL1tauGetter + setterOffset:
        configurator()->requestRawGloL1tau();
        break;
    case rawGloL2tauGetter + setterOffset:
        configurator()->requestRawGloL2tau();
        break;
    default:
        break;
    }
}

void PPSWidget::clearPage()
{
    clearPpsCtrl();
    clearRawClockSrc();
    clearRawClockTlr();
    clearRawGloL2tau();
    clearRawGloL1tau();
}

void PPSWidget::clearPpsCtrl()
{
    clearLineEdit(ui->editCalibration);
    clearComboBox(ui->comBoxAdjustment);
    receivedPpsCalibration = currentPpsCalibration = unsetValue;
    ppsCalibrationKnown = false;
    receivedPpsAdjustment = currentPpsAdjustment = unsetValue;
}

void PPSWidget::clearRawClockSrc()
{
    clearComboBox(ui->comBoxClockSrc);
    receivedRawClockSrc = currentRawClockSrc = false;
}

void PPSWidget::clearRawClockTlr()
{
    clearLineEdit(ui->editClockTolerance);
    receivedRawClockTlr = currentRawClockTlr = unsetValue;
}

void PPSWidget::clearRawGloL1tau()
{
    clearLineEdit(ui->editGloL1Slope);
    receivedRawGloL1tau = currentRawGloL1tau = slopeUnsetValue;
}

void PPSWidget::clearRawGloL2tau()
{
    clearLineEdit(ui->editGloL2Slope);
    receivedRawGloL2tau = currentRawGloL2tau = slopeUnsetValue;
}
