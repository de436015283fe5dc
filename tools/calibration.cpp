#include "calibration.h"

#include "controller.h"
#include "model.h"

Calibration::Calibration(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

Calibration::~Calibration() = default;

void Calibration::setController(Controller *controller)
{
    m_controller = controller;
}

