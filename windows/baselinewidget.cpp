#include "baselinewidget.h"

#include "controller.h"
#include "model.h"

BaseLineWidget::BaseLineWidget(QWidget *parent)
    : QWidget(parent)
{
}

BaseLineWidget::~BaseLineWidget() = default;

void BaseLineWidget::setModel(Model *model)
{
    m_model = model;
}

void BaseLineWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void BaseLineWidget::clearWindow()
{
}
