#pragma once

#include <QList>
#include <QPair>
#include <QVector>

#include <cstdint>

#include "abstractconfigurationwidget.h"

class QCheckBox;
class QLineEdit;

namespace Ui {
class NavigationSystemsWidget;
}

// "Navigation systems": which satellite systems the receiver uses (the GNSS mask), which
// of its six SBAS channels are on (the SBAS mask), and, only shown, the satellite number
// the receiver gives each SBAS channel.
class NavigationSystemsWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit NavigationSystemsWidget(QWidget *parent = nullptr);
    ~NavigationSystemsWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

protected slots:
    void activeGnssChanged(QVector<bool> systems);
    void sbasMaskChanged(QVector<bool> mask);
    void requestError(QPair<MsgType, unsigned char> request);
    void sbasSatellitesChanged(QVector<uint8_t> satellites);

private:
    using BoxList = QList<QPair<QCheckBox *, int>>;

    void clearGnssMask();
    void clearSbasMask();
    // Identifiers of the boxes at the true entries, entry i standing for box i.
    static QVector<int> identifiersOf(const QVector<bool> &flags, const BoxList &boxes);
    static QVector<int> checkedIdentifiers(const BoxList &boxes);
    static QVector<bool> checkedFlags(const BoxList &boxes);
    static bool differs(const QVector<int> &received, const QVector<int> &current);
    static void check(const BoxList &boxes, const QVector<int> &identifiers);

    Ui::NavigationSystemsWidget *ui;
    // In mask order: entry i of the engine's flags is bit i on the wire and box i here.
    BoxList gnssBoxes;
    QVector<int> currentGnss;
    QVector<int> receivedGnss;
    BoxList sbasBoxes;
    QVector<int> receivedSbas;
    QVector<int> currentSbas;
    // Whether each received mask is the receiver's: false until its reply, after a clear.
    bool gnssKnown = false;
    bool sbasKnown = false;
    QList<QLineEdit *> sbasNumberEdits;
};
