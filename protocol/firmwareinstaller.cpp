#include "firmwareinstaller.h"

FirmwareInstaller::FirmwareInstaller(BinaryConfigurator *configurator, QObject *parent)
    : QObject(parent)
    , m_configurator(configurator)
{
}
