#pragma once

#include <QList>
#include <QPair>
#include <QVector>

#include "abstractconfigurationwidget.h"

class QAbstractButton;

namespace Ui {
class RawDataWidget;
}

// "Raw data": the receiver's raw-data output (command group 8): its rate, its format,
// smoothing, which NOVATEL and RTCM3 messages are produced, the masks applied to the
// raw measurements, and the source of the best position the BESTPOS and 1006 messages
// report.
class RawDataWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    struct BestPos {
        int source;        // a BinaryConfigurator::BestPosSource, -1 unset
        double latitude;   // degrees, -200 unset
        double longitude;  // degrees, -200 unset
        double altitude;   // metres, -1 unset
    };

    struct Entry {
        QVector<bool> systems; // GPS, GLONASS, BeiDou, Galileo, NavIC
        int minCn0;            // dB-Hz, -1 unset
        int minElevation;      // degrees, -1 unset
        bool raim;
    };

    explicit RawDataWidget(QWidget *parent = nullptr);
    ~RawDataWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

private slots:
    void rawDataModeChanged(BinaryConfigurator::RawDataMode mode);
    void bestPosChanged(BinaryConfigurator::BestPosSource source, double latitude, double longitude,
                        double altitude);
    void messagesChanged(QVector<RawData> messages);
    void maskChanged(QVector<bool> systems, int minCn0, int minElevation, bool raim);
    void rawShellModeChanged(BinaryConfigurator::RawShellMode mode);
    void requestError(QPair<MsgType, unsigned char> request);
    void requestCompleted(QPair<MsgType, unsigned char> request);
    void setEnabledWidgetBestPosSource();
    void smoothingModeChanged(BinaryConfigurator::SmoothingMode mode);

private:
    void clearRawDataMode();
    void clearBestPos();
    void clearMessages();
    void clearMask();
    void clearRawShellMode();
    void clearSmoothingMode();
    void clearAll();

    void takeWidgets();
    QVector<RawData> checkedMessages() const;
    bool isSendable(const BestPos &position) const;
    bool isSendable(const Entry &entry) const;
    QList<QCheckBox *> systemBoxes() const;

    Ui::RawDataWidget *ui;
    int rawDataModeReceived = -1;
    int rawDataMode = -1;
    BestPos bestPosReceived;
    BestPos bestPos;
    QList<QPair<QAbstractButton *, RawData>> messageBoxes;
    QVector<RawData> messagesReceived;
    QVector<RawData> messages;
    Entry maskReceived;
    Entry mask;
    int rawShellModeReceived = -1;
    int rawShellMode = -1;
    int smoothingModeReceived = -1;
    int smoothingMode = -1;
};
