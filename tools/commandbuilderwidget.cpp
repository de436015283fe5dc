#include "commandbuilderwidget.h"

#include "controller.h"
#include "model.h"

CommandBuilderWidget::CommandBuilderWidget(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

CommandBuilderWidget::~CommandBuilderWidget() = default;

void CommandBuilderWidget::setController(Controller *controller)
{
    m_controller = controller;
}

