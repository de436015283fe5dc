#include "axeswidget.h"
#include "ui_axeswidget.h"

#include <QGraphicsScene>
#include <QLineEdit>
#include <QPropertyAnimation>

#include <cmath>
#include <initializer_list>

#include "controller.h"
#include "fieldwidth.h"
#include "framepacer.h"
#include "gritemgeometry.h"
#include "model.h"
#include "pacedturn.h"
#include "sentencehandler.h"
#include "windowpattern.h"

namespace {

// A number wider than its field is read from its first digit: the field shows the start,
// not the end with the leading digits scrolled away.
void showNumber(QLineEdit *edit, const QString &text)
{
    edit->setText(text);
    edit->setCursorPosition(0);
}

const ConnectionTable sentenceHandlerConnections = {
    {SIGNAL(setRoll(NavDataValue<double>)), SLOT(rollChanged(NavDataValue<double>))},
    {SIGNAL(setPitch(NavDataValue<double>)), SLOT(pitchChanged(NavDataValue<double>))},
    {SIGNAL(setYaw(NavDataValue<double>)), SLOT(yawChanged(NavDataValue<double>))},
    {SIGNAL(setCoordSA(Coordinates)), SLOT(coordSAChanged(Coordinates))},
    {SIGNAL(setCoordMA(Coordinates)), SLOT(coordMAChanged(Coordinates))},
    {SIGNAL(posStsChangedInAxes(NavDataValue<int>)), SLOT(posStsChangedInAxes(NavDataValue<int>))},
};

QGraphicsScene *sceneOf(QObject *parent, std::initializer_list<QGraphicsItem *> items)
{
    auto *scene = new QGraphicsScene(parent);
    for (QGraphicsItem *item : items)
        scene->addItem(item);
    return scene;
}

// What the window shows, each written with its newest value (see FramePacer).
enum PacedKind { PacedRoll, PacedPitch, PacedCourse, PacedPosSts };

// A NaN or infinite angle from a damaged record is no angle to turn to.
bool isShownAngle(const NavDataValue<double> &value)
{
    return value.isValid() && std::isfinite(value.value);
}

} // namespace

AxesWidget::AxesWidget(QWidget *parent)
    : QWidget(parent),
      ui(new Ui::AxesWidget)
{
    clock.start();
    ui->setupUi(this);

    courseTextItem.setText2(tr("Course:") + QLatin1Char(' '));
    rollTextItem.setText2(tr("Roll:") + QLatin1Char(' '));
    pitchTextItem.setText2(tr("Pitch:") + QLatin1Char(' '));

    // Later items are drawn on top; every item stands at the scene's origin, which the
    // view keeps in its centre.
    ui->graphicsCourse->setScene(sceneOf(this, {&courseBackgroundItem, &arrowItem, &courseTextItem}));
    ui->graphicsRoll->setScene(sceneOf(this, {&rollBackgroundItem, &rollItem, &rollTextItem}));
    ui->graphicsPitch->setScene(sceneOf(this, {&pitchBackgroundItem, &pitchItem, &pitchTextItem}));
    for (QGraphicsView *view : {ui->graphicsCourse, ui->graphicsRoll, ui->graphicsPitch})
        fillOnlyWithViewBrush(view);

    // Each field holds its longest value whole: an antenna's ECEF coordinate, a base line
    // of up to ten kilometres.
    for (QLineEdit *edit : {ui->editSAx, ui->editSAy, ui->editSAz, ui->editMAx, ui->editMAy, ui->editMAz})
        reserveWidthFor(edit, widestEcefTexts(3));
    reserveWidthFor(ui->editLenghtBL, {QString::number(9999.9999, 'f', 4)});
    growToContents(this);
}

// The member items leave their scenes as they are destroyed, before the scenes (children
// of the window) go; a running animation is a child of its item and goes with it.
AxesWidget::~AxesWidget()
{
    delete ui;
}

void AxesWidget::setModel(Model *newModel)
{
    model = newModel;
}

void AxesWidget::setController(Controller *newController)
{
    QObject *oldHandler = sentenceHandlerOf(controller);
    controller = newController;
    moveConnections(oldHandler, sentenceHandlerOf(controller), this,
                    sentenceHandlerConnections);
}

bool AxesWidget::needsAnimation(double oldAngle, double newAngle)
{
    // Compared as doubles: an angle beyond the int range must not overflow a conversion.
    return std::floor(oldAngle * 100) != std::floor(newAngle * 100);
}

double AxesWidget::shortWayTarget(double oldAngle, double newAngle)
{
    const double d = newAngle - oldAngle;
    if (d <= -fullCircle / 2)
        return newAngle + fullCircle;
    if (d >= fullCircle / 2)
        return newAngle - fullCircle;
    return newAngle;
}

int AxesWidget::animationDuration(qint64 previousMs, qint64 nowMs)
{
    // Bounded before the arithmetic, so no difference of two clock readings can
    // overflow or give a negative time.
    const qint64 elapsed = qBound<qint64>(0, nowMs - previousMs, 1000);
    return qMin(int(elapsed / 5 * 4), longestAnimationMs);
}

void AxesWidget::rollChanged(NavDataValue<double> roll)
{
    paced(this, PacedRoll, isShownAngle(roll), [this, roll] {
        showAngle(&rollItem, &rollTextItem, &rollAngle, &rollTime, roll, roll.value);
    });
}

void AxesWidget::pitchChanged(NavDataValue<double> pitch)
{
    paced(this, PacedPitch, isShownAngle(pitch), [this, pitch] {
        showAngle(&pitchItem, &pitchTextItem, &pitchAngle, &pitchTime, pitch, -pitch.value);
    });
}

void AxesWidget::yawChanged(NavDataValue<double> yaw)
{
    paced(this, PacedCourse, isShownAngle(yaw), [this, yaw] {
        showAngle(&arrowItem, &courseTextItem, &courseAngle, &courseTime, yaw, yaw.value);
    });
}

void AxesWidget::showAngle(QGraphicsObject *picture, CornerTextGrItem *text, double *storedAngle,
                           qint64 *storedTime, const NavDataValue<double> &value, double rotation)
{
    const bool valid = isShownAngle(value);
    if (valid) {
        text->setText1(QString::number(value.value, 'f', 3));
        // The item does not schedule its own repaint; a value within the same
        // hundredth moves no picture, so nothing else would repaint the view.
        text->update();
        const qint64 now = clock.elapsed();
        if (isCatchingUp(this)) {
            // Opened after a closed spell: the picture stands at the newest angle at once.
            for (QPropertyAnimation *turn : picture->findChildren<QPropertyAnimation *>())
                turn->stop();
            picture->setRotation(rotation);
        } else if (needsAnimation(*storedAngle, rotation)) {
            animateRotation(picture, *storedAngle, shortWayTarget(*storedAngle, rotation),
                            animationDuration(*storedTime, now));
        }
        *storedAngle = rotation;
        *storedTime = now;
    }
    setItemEnabled(picture, valid);
    setItemEnabled(text, valid);
}

void AxesWidget::animateRotation(QGraphicsObject *item, double startAngle, double endAngle,
                                 int duration)
{
    // A turn still running on the picture is stopped by Qt when this one starts (one
    // running animation per object and property). The animation is a child of the
    // item, so that it goes with the window even while it runs.
    auto *animation = new PacedTurn(item);
    animation->setDuration(duration);
    animation->setStartValue(startAngle);
    animation->setEndValue(endAngle);
    animation->setEasingCurve(QEasingCurve::Linear);
    animation->start(QAbstractAnimation::DeleteWhenStopped);
}

void AxesWidget::setItemEnabled(QGraphicsItem *item, bool enabled)
{
    item->setOpacity(enabled ? 1.0 : 0.5);
}

void AxesWidget::coordSAChanged(Coordinates coord)
{
    coordSA = coord;
    showAntenna(coord, ui->editSAx, ui->editSAy, ui->editSAz);
    updateBaseLineLength();
}

void AxesWidget::coordMAChanged(Coordinates coord)
{
    coordMA = coord;
    showAntenna(coord, ui->editMAx, ui->editMAy, ui->editMAz);
    updateBaseLineLength();
}

void AxesWidget::showAntenna(const Coordinates &coord, QLineEdit *x, QLineEdit *y, QLineEdit *z)
{
    if (coord.isValid()) {
        showNumber(x, QString::number(coord.x, 'f', 3));
        showNumber(y, QString::number(coord.y, 'f', 3));
        showNumber(z, QString::number(coord.z, 'f', 3));
    }
    for (QLineEdit *edit : {x, y, z})
        setValueStyle(edit, coord.isValid());
}

void AxesWidget::updateBaseLineLength()
{
    const bool valid = coordSA.isValid() && coordMA.isValid();
    if (valid) {
        const double dx = coordSA.x - coordMA.x;
        const double dy = coordSA.y - coordMA.y;
        const double dz = coordSA.z - coordMA.z;
        showNumber(ui->editLenghtBL, QString::number(std::sqrt(dx * dx + dy * dy + dz * dz), 'f', 4));
    } else {
        ui->editLenghtBL->clear();
    }
    setValueStyle(ui->editLenghtBL, valid);
}

void AxesWidget::posStsChangedInAxes(NavDataValue<int> sts)
{
    paced(this, PacedPosSts, sts.isValid(), [this, sts] {
        if (sts.isValid())
            ui->editStsPOS->setText(Coordinates::solutionTypeToString(sts.value));
        setValueStyle(ui->editStsPOS, sts.isValid());
    });
}

void AxesWidget::clearWindow()
{
    dropPaced(this);
    for (CornerTextGrItem *text : {&courseTextItem, &rollTextItem, &pitchTextItem}) {
        text->setText1(QString());
        text->update();
    }
    clearLineEdits(this);
}
