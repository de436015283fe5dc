#include "debuglogwidget.h"

#include "controller.h"
#include "model.h"

DebugLogWidget::DebugLogWidget(QWidget *parent)
    : QWidget(parent)
{
}

DebugLogWidget::~DebugLogWidget() = default;

void DebugLogWidget::setModel(Model *model)
{
    m_model = model;
}

void DebugLogWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void DebugLogWidget::clearWindow()
{
}
