#include "plotwidget.h"

#include "controller.h"
#include "model.h"

PlotWidget::PlotWidget(QWidget *parent)
    : QWidget(parent)
{
}

PlotWidget::~PlotWidget() = default;

void PlotWidget::setModel(Model *model)
{
    m_model = model;
}

void PlotWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void PlotWidget::clearWindow()
{
}
