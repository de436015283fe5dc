#include "coordinateswidget.h"

#include "controller.h"
#include "model.h"

CoordinatesWidget::CoordinatesWidget(QWidget *parent)
    : QWidget(parent)
{
}

CoordinatesWidget::~CoordinatesWidget() = default;

void CoordinatesWidget::setModel(Model *model)
{
    m_model = model;
}

void CoordinatesWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void CoordinatesWidget::clearWindow()
{
}
