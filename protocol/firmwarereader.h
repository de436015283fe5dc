#pragma once

#include <QObject>

class BinaryConfigurator;

// Copies the receiver's firmware flash into a file, page by page.
// (First form: the procedure itself is filled in by its own change.)
class FirmwareReader : public QObject
{
    Q_OBJECT

public:
    FirmwareReader(BinaryConfigurator *configurator, QObject *parent);

private:
    BinaryConfigurator *m_configurator;
};
