#include "baudrateservice.h"

#include "controller.h"

BaudRateService::BaudRateService(QWidget *parent)
    : QWidget(parent)
{
}

void BaudRateService::setController(Controller *controller)
{
    m_controller = controller;
}

void BaudRateService::startSearch()
{
}

void BaudRateService::stopSearch()
{
}

void BaudRateService::setSerialBaudRate(int baudRate)
{
    Q_UNUSED(baudRate);
}
