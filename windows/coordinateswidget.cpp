#include "coordinateswidget.h"
#include "ui_coordinateswidget.h"

#include <QLineEdit>

#include "controller.h"
#include "fieldwidth.h"
#include "framepacer.h"
#include "sentencehandler.h"
#include "windowpattern.h"

namespace {

const ConnectionTable &sentenceHandlerConnections()
{
    static const ConnectionTable table = {
        {SIGNAL(setVelSts(NavDataValue<int>)), SLOT(velStsChanged(NavDataValue<int>))},
        {SIGNAL(setPosSts(NavDataValue<int>)), SLOT(setPosSts(NavDataValue<int>))},
        {SIGNAL(setCoordReceiver(Coordinates)), SLOT(setCoordReceiver(Coordinates))},
        {SIGNAL(setCoordBS(Coordinates, NavDataValue<int>)),
         SLOT(setCoordBS(Coordinates, NavDataValue<int>))},
        {SIGNAL(setSpeedECEF(Coordinates)), SLOT(setSpeedECEF(Coordinates))},
        {SIGNAL(setSpeedENU(Coordinates, NavDataValue<double>, NavDataValue<double>)),
         SLOT(setSpeedENU(Coordinates, NavDataValue<double>, NavDataValue<double>))},
        {SIGNAL(setTotalSA(NavDataValue<int>)), SLOT(setTotalSA(NavDataValue<int>))},
        {SIGNAL(setARF(NavDataValue<float>)), SLOT(setARF(NavDataValue<float>))},
        {SIGNAL(setAge(NavDataValue<int>)), SLOT(setAge(NavDataValue<int>))},
        {SIGNAL(setClmb(NavDataValue<double>)), SLOT(setClmb(NavDataValue<double>))},
    };
    return table;
}

// What the window shows, each written with its newest value (see FramePacer).
enum PacedKind {
    PacedVelocityStatus,
    PacedPositionStatus,
    PacedReceiver,
    PacedBaseStatus,
    PacedBase,
    PacedSpeedEcef,
    PacedSpeedEnu,
    PacedHorizontalSpeed,
    PacedCourseOverGround,
    PacedTotal,
    PacedArf,
    PacedAge,
    PacedClimb,
};

} // namespace

CoordinatesWidget::CoordinatesWidget(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::CoordinatesWidget)
    , controller(nullptr)
{
    ui->setupUi(this);
    // Each field holds its longest value whole: a sign, seven digits and the decimals.
    for (QLineEdit *edit : {ui->editReceiverCoord_ECEF_x, ui->editReceiverCoord_ECEF_y, ui->editReceiverCoord_ECEF_z,
                            ui->editCoordBS_ECEF_x, ui->editCoordBS_ECEF_y, ui->editCoordBS_ECEF_z})
        reserveWidthFor(edit, widestEcefTexts(4));
    growToContents(this);
}

CoordinatesWidget::~CoordinatesWidget()
{
    delete ui;
}

void CoordinatesWidget::setController(Controller *newController)
{
    Controller *old = controller;
    controller = newController;
    moveConnections(sentenceHandlerOf(old),
                    sentenceHandlerOf(newController), this,
                    sentenceHandlerConnections());
}

void CoordinatesWidget::setModel(Model *)
{
}

void CoordinatesWidget::velStsChanged(NavDataValue<int> sts)
{
    paced(this, PacedVelocityStatus, sts.isValid(), [this, sts] {
        if (sts.isValid()) {
            QString text;
            switch (sts.value) {
            case 0:
                text = tr("NV");
                break;
            case 1:
                text = tr("V");
                break;
            default:
                text = QString::number(sts.value);
                break;
            }
            setFieldText(ui->editStsVEL, text);
        }
        setLabelActive(ui->editStsVEL, sts.isValid());
    });
}

void CoordinatesWidget::setPosSts(NavDataValue<int> sts)
{
    paced(this, PacedPositionStatus, sts.isValid(), [this, sts] {
        showStatus(ui->editReceiverStsPOS, sts);
    });
}

void CoordinatesWidget::setCoordReceiver(Coordinates coordReceiver)
{
    paced(this, PacedReceiver, coordReceiver.isValid(), [this, coordReceiver] {
        showTriple(coordReceiver, 4, ui->editReceiverCoord_ECEF_x, ui->editReceiverCoord_ECEF_y,
                   ui->editReceiverCoord_ECEF_z);
    });
}

void CoordinatesWidget::setCoordBS(Coordinates coordBS, NavDataValue<int> sts)
{
    // The status and the position carry their own flags.
    paced(this, PacedBaseStatus, sts.isValid(), [this, sts] { showStatus(ui->editBsStsPOS, sts); });
    paced(this, PacedBase, coordBS.isValid(), [this, coordBS] {
        showTriple(coordBS, 4, ui->editCoordBS_ECEF_x, ui->editCoordBS_ECEF_y, ui->editCoordBS_ECEF_z);
    });
}

void CoordinatesWidget::setSpeedECEF(Coordinates speedECEF)
{
    paced(this, PacedSpeedEcef, speedECEF.isValid(), [this, speedECEF] {
        showTriple(speedECEF, 2, ui->editReceiverSpeed_ECEF_vx, ui->editReceiverSpeed_ECEF_vy,
                   ui->editReceiverSpeed_ECEF_vz);
    });
}

void CoordinatesWidget::setSpeedENU(Coordinates speedENU, NavDataValue<double> ven,
                                    NavDataValue<double> cog)
{
    paced(this, PacedSpeedEnu, speedENU.isValid(), [this, speedENU] {
        showTriple(speedENU, 2, ui->editReceiverSpeed_ENU_ve, ui->editReceiverSpeed_ENU_vn,
                   ui->editReceiverSpeed_ENU_vu);
    });
    paced(this, PacedHorizontalSpeed, ven.isValid(), [this, ven] {
        if (ven.isValid())
            setFieldText(ui->editReceiverSpeed_ENU_ven, fixed(ven.value, 2));
        setLabelActive(ui->editReceiverSpeed_ENU_ven, ven.isValid());
    });
    paced(this, PacedCourseOverGround, cog.isValid(), [this, cog] {
        if (cog.isValid())
            setFieldText(ui->editReceiverSpeed_ENU_cog, fixed(cog.value, 3));
        setLabelActive(ui->editReceiverSpeed_ENU_cog, cog.isValid());
    });
}

void CoordinatesWidget::setTotalSA(NavDataValue<int> num)
{
    paced(this, PacedTotal, num.isValid(), [this, num] {
        if (num.isValid())
            setFieldText(ui->editTotalSA, QString::number(num.value));
        setLabelActive(ui->editTotalSA, num.isValid());
    });
}

void CoordinatesWidget::setARF(NavDataValue<float> arf)
{
    paced(this, PacedArf, arf.isValid(), [this, arf] {
        if (arf.isValid())
            setFieldText(ui->editARF, fixed(double(arf.value), 2));
        setLabelActive(ui->editARF, arf.isValid());
    });
}

void CoordinatesWidget::setAge(NavDataValue<int> age)
{
    paced(this, PacedAge, age.isValid(), [this, age] {
        if (age.isValid())
            setFieldText(ui->editAgeBS, tr("%1").arg(age.value, 0, 10));
        setLabelActive(ui->editAgeBS, age.isValid());
    });
}

void CoordinatesWidget::setClmb(NavDataValue<double> clmb)
{
    paced(this, PacedClimb, clmb.isValid(), [this, clmb] {
        if (clmb.isValid())
            setFieldText(ui->editReceiverSpeed_ENU_clmb, fixed(clmb.value, 2));
        setLabelActive(ui->editReceiverSpeed_ENU_clmb, clmb.isValid());
    });
}

void CoordinatesWidget::clearWindow()
{
    dropPaced(this);
    clearLineEdits(this);
}

void CoordinatesWidget::setLabelActive(QWidget *widget, bool active)
{
    setValueStyle(widget, active);
}

void CoordinatesWidget::showTriple(const Coordinates &value, int decimals, QLineEdit *x,
                                   QLineEdit *y, QLineEdit *z)
{
    if (value.isValid()) {
        setFieldText(x, fixed(value.x, decimals));
        setFieldText(y, fixed(value.y, decimals));
        setFieldText(z, fixed(value.z, decimals));
    }
    setLabelActive(x, value.isValid());
    setLabelActive(y, value.isValid());
    setLabelActive(z, value.isValid());
}

void CoordinatesWidget::showStatus(QLineEdit *edit, const NavDataValue<int> &sts)
{
    if (sts.isValid())
        setFieldText(edit, Coordinates::solutionTypeToString(sts.value));
    setLabelActive(edit, sts.isValid());
}

QString CoordinatesWidget::fixed(double value, int decimals) const
{
    return tr("%1").arg(value, 0, 'f', decimals, QLatin1Char(' '));
}
