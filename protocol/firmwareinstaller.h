#pragma once

#include <QObject>

class BinaryConfigurator;

// Writes a firmware image into the receiver's flash over the command engine.
// (First form: the procedure itself is filled in by its own change.)
class FirmwareInstaller : public QObject
{
    Q_OBJECT

public:
    FirmwareInstaller(BinaryConfigurator *configurator, QObject *parent);

private:
    BinaryConfigurator *m_configurator;
};
