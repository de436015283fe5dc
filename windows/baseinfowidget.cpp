#include "baseinfowidget.h"

#include "controller.h"
#include "model.h"

BaseInfoWidget::BaseInfoWidget(QWidget *parent)
    : QWidget(parent)
{
}

BaseInfoWidget::~BaseInfoWidget() = default;

void BaseInfoWidget::setModel(Model *model)
{
    m_model = model;
}

void BaseInfoWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void BaseInfoWidget::clearWindow()
{
}
