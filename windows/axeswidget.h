#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>

#include "aircraftfrontviewgritem.h"
#include "aircraftsideviewgritem.h"
#include "arrowgritem.h"
#include "baselinebackgroundgritem.h"
#include "cornertextgritem.h"
#include "crossbackgroundgritem.h"
#include "icontroller.h"
#include "imodel.h"
#include "navtypes.h"

class Controller;
class Model;
class QGraphicsItem;
class QGraphicsObject;
class QLineEdit;

namespace Ui {
class AxesWidget;
}

// The "Course" window: course, roll and pitch as three pictures that turn to each
// angle in a short animation, with the value in a corner of each, and the two antenna
// positions of the heading solution with the length between them and its status.
class AxesWidget : public QWidget, public IModel, public IController
{
    Q_OBJECT

public:
    explicit AxesWidget(QWidget *parent = nullptr);
    ~AxesWidget() override;

    void setModel(Model *model) override;
    void setController(Controller *controller) override;

    // The rules of a picture's turn. They depend on nothing but their arguments, so
    // they are checked on their own.
    //
    // Whether the two angles fall into different hundredths of a degree.
    static bool needsAnimation(double oldAngle, double newAngle);
    // The angle to turn to so that the picture turns at most half a turn.
    static double shortWayTarget(double oldAngle, double newAngle);
    // Four fifths of the milliseconds between two values, within 0 to 800.
    static int animationDuration(qint64 previousMs, qint64 nowMs);

    static constexpr double fullCircle = 360.0;
    static constexpr int longestAnimationMs = 800;

public slots:
    void clearWindow();

private slots:
    void rollChanged(NavDataValue<double> roll);
    void pitchChanged(NavDataValue<double> pitch);
    void yawChanged(NavDataValue<double> yaw);
    void coordSAChanged(Coordinates coord);
    void coordMAChanged(Coordinates coord);
    void posStsChangedInAxes(NavDataValue<int> sts);

private:
    void showAngle(QGraphicsObject *picture, CornerTextGrItem *text, double *storedAngle,
                   qint64 *storedTime, const NavDataValue<double> &value, double rotation);
    void showAntenna(const Coordinates &coord, QLineEdit *x, QLineEdit *y, QLineEdit *z);
    void updateBaseLineLength();
    void animateRotation(QGraphicsObject *item, double startAngle, double endAngle, int duration);
    static void setItemEnabled(QGraphicsItem *item, bool enabled);

    Ui::AxesWidget *ui;
    QPointer<Model> model;
    QPointer<Controller> controller;

    ArrowGrItem arrowItem;
    AircraftSideViewGrItem pitchItem;
    AircraftFrontViewGrItem rollItem;
    BaseLineBackgroundGrItem courseBackgroundItem;
    CrossBackgroundGrItem pitchBackgroundItem;
    CrossBackgroundGrItem rollBackgroundItem;
    CornerTextGrItem courseTextItem;
    CornerTextGrItem rollTextItem;
    CornerTextGrItem pitchTextItem;

    double courseAngle = 0.0;
    double rollAngle = 0.0;
    double pitchAngle = 0.0; // the negated pitch: the side view turns nose up for a positive pitch

    Coordinates coordSA;
    Coordinates coordMA;

    // Times of the last valid angles, in milliseconds of a monotonic clock: a system
    // clock set back must not give a negative animation time.
    QElapsedTimer clock;
    qint64 courseTime = 0;
    qint64 rollTime = 0;
    qint64 pitchTime = 0;
};
