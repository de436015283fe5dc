#pragma once

#include <QPair>

#include "abstractconfigurationwidget.h"

namespace Ui {
class PPSWidget;
}

// "PPS": the receiver's PPS control (a calibration value and the time scale the PPS
// shift is adjusted to, group 3) and four settings of the raw-data clock (source,
// tolerance and the two GLONASS slopes, group 8).
class PPSWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit PPSWidget(QWidget *parent = nullptr);
    ~PPSWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

    // The slopes may be negative, so -1 is a slope like any other; this marks "none".
    static const int slopeUnsetValue;

private slots:
    void ppsCtrlChanged(int value, BinaryConfigurator::AdjustmentPPS scale);
    void rawClockSrcChanged(bool source);
    void rawClockTlrChanged(int tolerance);
    void rawGloL1tauChanged(int tau);
    void rawGloL2tauChanged(int tau);
    void requestError(QPair<MsgType, unsigned char> request);

private:
    void clearPage();
    void clearPpsCtrl();
    void clearRawClockSrc();
    void clearRawClockTlr();
    void clearRawGloL1tau();
    void clearRawGloL2tau();

    Ui::PPSWidget *ui;
    int receivedPpsCalibration = -1;
    int currentPpsCalibration = -1;
    // Whether the calibration was reported: -1 (FF FF FF FF) is then its value.
    bool ppsCalibrationKnown = false;
    int receivedPpsAdjustment = -1;
    int currentPpsAdjustment = -1;
    bool receivedRawClockSrc = false;
    bool currentRawClockSrc = false;
    int receivedRawClockTlr = -1;
    int currentRawClockTlr = -1;
    int receivedRawGloL1tau = slopeUnsetValue;
    int currentRawGloL1tau = slopeUnsetValue;
    int receivedRawGloL2tau = slopeUnsetValue;
    int currentRawGloL2tau = slopeUnsetValue;
};
