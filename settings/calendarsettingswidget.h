#pragma once

#include <QPair>

#include "abstractconfigurationwidget.h"

namespace Ui {
class CalendarSettingsWidget;
}

// "Calendar settings": the receiver's date constraints, three small numbers (GPS cycle,
// GPS UTC shift, GLONASS N4) that travel together as one setting of three bytes.
class CalendarSettingsWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit CalendarSettingsWidget(QWidget *parent = nullptr);
    ~CalendarSettingsWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

private slots:
    void dateConstrntsChanged(unsigned char gpsCycle, unsigned char gpsUtcShift, unsigned char gloN4);
    void requestError(QPair<MsgType, unsigned char> request);

private:
    void clearDateConstrnts();

    Ui::CalendarSettingsWidget *ui;
    int receivedGpsCycle = -1;
    int receivedGpsUtcShift = -1;
    int receivedGloN4 = -1;
    int currentGpsCycle = -1;
    int currentGpsUtcShift = -1;
    int currentGloN4 = -1;
};
