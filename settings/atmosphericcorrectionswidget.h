#pragma once

#include <QList>
#include <QPair>
#include <QSet>
#include <QStringList>
#include <QVector>

#include "abstractconfigurationwidget.h"

class QCheckBox;

namespace Ui {
class AtmosphericCorrectionsWidget;
}

// "Atmospheric Corrections": the troposphere correction mode, the user ionosphere model
// (eight coefficients, shown and sent as the receiver holds them) and the ionosphere
// correction (mode, threshold in per cent and the mask of excluded sources).
class AtmosphericCorrectionsWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit AtmosphericCorrectionsWidget(QWidget *parent = nullptr);
    ~AtmosphericCorrectionsWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

private slots:
    void requestError(QPair<MsgType, unsigned char> request);
    void tropoCorrModeChanged(BinaryConfigurator::TROPO_CORR_MODE mode);
    void ionoModelChanged(QVector<float> coefficients);
    void ionoCorrChanged(BinaryConfigurator::IONO_CORR_MODE mode, float threshold, QVector<bool> mask);

private:
    void clearTropoCorrMode();
    void clearIonoModel();
    void clearIonoCorr();
    QSet<QCheckBox *> checkedExcludeBoxes() const;

    Ui::AtmosphericCorrectionsWidget *ui;
    // a0, a1, a2, a3, b0, b1, b2, b3.
    QList<QLineEdit *> ionoModelEdits;
    QVector<float> ionoModelReceived;
    QVector<float> ionoModel;
    // Per coefficient, whether ionoModel holds a value (read, or typed by the user):
    // -1.0 is also a coefficient the receiver may hold.
    QVector<bool> ionoModelKnown;
    // The text each coefficient field was given for the value it holds: a field still
    // showing it stands for that exact value, not for the rounded number it reads as.
    QStringList ionoModelShown;
    int tropoCorrModeReceived = -1;
    int tropoCorrMode = -1;
    int ionoCorrModeReceived = -1;
    int ionoCorrMode = -1;
    float ionoThresholdReceived = -1.0f;
    float ionoThreshold = -1.0f;
    QLineEdit *ionoThresholdEdit = nullptr;
    // Position i is bit i + 1 of the mask word, the ionosphere mode numbered i + 1.
    QList<QCheckBox *> excludeMaskBoxes;
    QSet<QCheckBox *> excludeMaskReceived;
    QSet<QCheckBox *> excludeMask;
    // Whether the exclude boxes show the receiver's mask: false from a read until its reply.
    bool excludeMaskKnown = false;
};
