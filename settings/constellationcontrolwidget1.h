#pragma once

#include <QList>
#include <QPair>
#include <QVector>

#include <cstdint>

#include "abstractconfigurationwidget.h"

namespace Ui {
class ConstellationControlWidget1;
}

// "ConstellationControl #1": the signal plan (command group 12). Per satellite system
// the band the receiver tracks as its primary and as its secondary frequency, and the
// numbers of six SBAS satellites. The receiver takes them after a save to flash and a
// restart, so the page neither clears itself before it reads nor reads back after Save.
class ConstellationControlWidget1 : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit ConstellationControlWidget1(QWidget *parent = nullptr);
    ~ConstellationControlWidget1() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

private slots:
    void requestError(QPair<MsgType, unsigned char> request);
    void primFrqChanged(QVector<BinaryConfigurator::Frequency> frequencies);
    void secondFrqChanged(QVector<BinaryConfigurator::Frequency> frequencies);
    void sbasSatellitesChanged(QVector<uint8_t> satellites);

private:
    // A frequency held as a full int, so that -1 can stand for "not known".
    using Frequencies = QVector<int>;

    void fillFrequencyBoxes();
    void showFrequencies(const QList<QComboBox *> &boxes, const QVector<BinaryConfigurator::Frequency> &received,
                         Frequencies &receivedValues, Frequencies &values);
    void clearFrequencies(const QList<QComboBox *> &boxes, Frequencies &receivedValues, Frequencies &values);
    void clearSbasSatellites();
    void takeFrequencies(const QList<QComboBox *> &boxes, const Frequencies &receivedValues, Frequencies &values);
    void takeSbasSatellites();
    static QVector<BinaryConfigurator::Frequency> toWire(const Frequencies &values);

    Ui::ConstellationControlWidget1 *ui;
    QList<QComboBox *> primaryFrequencyBoxes;
    Frequencies primaryFrequenciesReceived;
    Frequencies primaryFrequencies;
    QList<QComboBox *> secondaryFrequencyBoxes;
    Frequencies secondaryFrequenciesReceived;
    Frequencies secondaryFrequencies;
    QList<QLineEdit *> sbasSatelliteEdits;
    QVector<uint8_t> sbasSatellitesReceived;
    QVector<uint8_t> sbasSatellites;
};
