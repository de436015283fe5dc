#pragma once

#include <QPair>
#include <QVector>

#include "abstractconfigurationwidget.h"

class QCheckBox;

namespace Ui {
class SolutionParametersWidget;
}

// "Solution parameters": the receiver's navigation solution (dynamic model, rate, SBAS
// mode, the solution mask of PDOP limit, minimum elevation and minimum SNR, solution
// type) and its RTK settings (mode, required quality, the systems a fix may use, ARF,
// AGE and the reference base-line length).
class SolutionParametersWidget : public AbstractConfigurationWidget
{
    Q_OBJECT

public:
    explicit SolutionParametersWidget(QWidget *parent = nullptr);
    ~SolutionParametersWidget() override;

    void setController(Controller *controller) override;
    void readSettings() override;
    void writeSettings() override;

private slots:
    void solutionMaskChanged(uchar pdopLimit, uchar minElevation, uchar minSnr);
    void solutionRateChanged(BinaryConfigurator::SolitionRate rate);
    void sbasModeChanged(BinaryConfigurator::SBAS_MODE mode);
    void requestError(QPair<MsgType, unsigned char> request);
    void dinamicModeChanged(BinaryConfigurator::DinamicMode mode);
    void rtkModeChanged(BinaryConfigurator::RtkMode mode);
    void rtkQltChanged(BinaryConfigurator::RtkQlt quality);
    void solutionModeChanged(BinaryConfigurator::SolutionMode mode);
    void fixGnssMaskChanged(QVector<bool> systems);
    void arfChanged(int value);
    void ageChanged(int value);
    void refBaseLineLengthChanged(int length);

private:
    // One setting shown by selecting the combo item that carries its value.
    struct Choice {
        QComboBox *box;
        int SolutionParametersWidget::*received;
        int SolutionParametersWidget::*current;
    };
    enum ChoiceIndex { RateChoice, SbasChoice, DinamicChoice, RtkModeChoice, RtkQltChoice, SolutionModeChoice };

    void clearPage();
    void clearSolutionMask();
    void clearChoice(ChoiceIndex index);
    void clearFixGnssMask();
    void showChoice(ChoiceIndex index, int value);
    QVector<bool> checkedFixGnss() const;

    Ui::SolutionParametersWidget *ui;
    int receivedPdopLimit = -1;
    int currentPdopLimit = -1;
    int receivedMinSatElevation = -1;
    int currentMinSatElevation = -1;
    int receivedMinSatSnr = -1;
    int currentMinSatSnr = -1;
    int receivedSolutionRate = -1;
    int currentSolutionRate = -1;
    int receivedSbasMode = -1;
    int currentSbasMode = -1;
    int receivedDinamicMode = -1;
    int currentDinamicMode = -1;
    int receivedRtkMode = -1;
    int currentRtkMode = -1;
    int receivedRtkQlt = -1;
    int currentRtkQlt = -1;
    int receivedSolutionMode = -1;
    int currentSolutionMode = -1;
    // Solution rate, SBAS mode, dynamic model, RTK mode, RTK quality, solution type:
    // the order in which their setters go out.
    QVector<Choice> choices;
    // GPS, GLONASS, BeiDou, Galileo, NavIC: bit i of the mask on the wire.
    QVector<QCheckBox *> fixGnssBoxes;
    QVector<bool> receivedFixGnssMask;
    QVector<bool> currentFixGnssMask;
    // Whether receivedFixGnssMask is the receiver's: false until a reply, after a clear.
    bool fixGnssMaskKnown = false;
    int receivedArf = -1;
    int currentArf = -1;
    int receivedAge = -1;
    int currentAge = -1;
    int receivedRefBaseLineLength = -1;
    int currentRefBaseLineLength = -1;
};
