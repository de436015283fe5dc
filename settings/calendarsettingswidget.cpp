#include "calendarsettingswidget.h"
#include "ui_calendarsettingswidget.h"

#include <QRegExpValidator>

#include "controller.h"

namespace {

const PageConnectionTable connections = {
    {SIGNAL(dateConstrntsChanged(unsigned char, unsigned char, unsigned char)),
     SLOT(dateConstrntsChanged(unsigned char, unsigned char, unsigned char))},
    {SIGNAL(requestError(QPair<MsgType, unsigned char>)), SLOT(requestError(QPair<MsgType, unsigned char>))},
};

const unsigned char dateConstrntsGetter = 0x41;
const unsigned char dateConstrntsSetter = dateConstrntsGetter + 0x80;

} // namespace

CalendarSettingsWidget::CalendarSettingsWidget(QWidget *parent)
    : AbstractConfigurationWidget(parent)
    , ui(new Ui::CalendarSettingsWidget)
{
    ui->setupUi(placeholder());
    QRegExpValidator *byteDigits = newByteValidator();
    ui->editGPSCycle->setValidator(byteDigits);
    ui->editGpsUtcShift->setValidator(byteDigits);
    ui->editGlnN4->setValidator(byteDigits);
    clearDateConstrnts();
}

CalendarSettingsWidget::~CalendarSettingsWidget()
{
    delete ui;
}

void CalendarSettingsWidget::setController(Controller *newController)
{
    moveConfiguratorConnections(newController, connections);
}

void CalendarSettingsWidget::readSettings()
{
    if (!controller)
        return;
    clearDateConstrnts();
    configurator()->requestDateConstrnts();
}

void CalendarSettingsWidget::writeSettings()
{
    if (!controller)
        return;
    exchangeLineEditValue(currentGpsCycle, ui->editGPSCycle, unsetValue, byteRule());
    exchangeLineEditValue(currentGpsUtcShift, ui->editGpsUtcShift, unsetValue, byteRule());
    exchangeLineEditValue(currentGloN4, ui->editGlnN4, unsetValue, byteRule());
    if (refuseTyped())
        return;

    const bool changed = currentGpsCycle != receivedGpsCycle || currentGpsUtcShift != receivedGpsUtcShift
                         || currentGloN4 != receivedGloN4;
    // The three bytes always travel together. While one of them is unknown (its getter
    // failed and the field was left empty) there is no byte to send for it, and a
    // number that does not fit a byte has none either: then nothing goes out.
    const bool sendable = isByte(currentGpsCycle) && isByte(currentGpsUtcShift) && isByte(currentGloN4);
    if (changed && sendable) {
        configurator()->setDateConstrnts(quint8(currentGpsCycle), quint8(currentGpsUtcShift),
                                         quint8(currentGloN4));
        receivedGpsCycle = currentGpsCycle;
        receivedGpsUtcShift = currentGpsUtcShift;
        receivedGloN4 = currentGloN4;
    }
    readSettings();
}

void CalendarSettingsWidget::dateConstrntsChanged(unsigned char gpsCycle, unsigned char gpsUtcShift,
                                                  unsigned char gloN4)
{
    receivedGpsCycle = currentGpsCycle = gpsCycle;
    receivedGpsUtcShift = currentGpsUtcShift = gpsUtcShift;
    receivedGloN4 = currentGloN4 = gloN4;
    ui->editGPSCycle->setText(QString::number(gpsCycle, 10));
    ui->editGpsUtcShift->setText(QString::number(gpsUtcShift, 10));
    ui->editGlnN4->setText(QString::number(gloN4, 10));
}

void CalendarSettingsWidget::requestError(QPair<MsgType, unsigned char> request)
{
    if (!isOwnRequest(request))
        return;
    switch (request.second) {
    case dateConstrntsGetter:
        clearDateConstrnts();
        break;
    case dateConstrntsSetter:
        configurator()->requestDateConstrnts();
        break;
    default:
        break;
    }
}

void CalendarSettingsWidget::clearDateConstrnts()
{
    clearLineEdit(ui->editGPSCycle);
    clearLineEdit(ui->editGpsUtcShift);
    clearLineEdit(ui->editGlnN4);
    receivedGpsCycle = receivedGpsUtcShift = receivedGloN4 = unsetValue;
    currentGpsCycle = currentGpsUtcShift = currentGloN4 = unsetValue;
}
