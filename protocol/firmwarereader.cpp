#include "firmwarereader.h"

FirmwareReader::FirmwareReader(BinaryConfigurator *configurator, QObject *parent)
    : QObject(parent)
    , m_configurator(configurator)
{
}
