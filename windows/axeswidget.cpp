#include "axeswidget.h"

#include "controller.h"
#include "model.h"

AxesWidget::AxesWidget(QWidget *parent)
    : QWidget(parent)
{
}

AxesWidget::~AxesWidget() = default;

void AxesWidget::setModel(Model *model)
{
    m_model = model;
}

void AxesWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void AxesWidget::clearWindow()
{
}
