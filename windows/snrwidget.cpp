#include "snrwidget.h"

#include "controller.h"
#include "model.h"

SnrWidget::SnrWidget(QWidget *parent)
    : QWidget(parent)
{
}

SnrWidget::~SnrWidget() = default;

void SnrWidget::setModel(Model *model)
{
    m_model = model;
}

void SnrWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void SnrWidget::clearWindow()
{
}
