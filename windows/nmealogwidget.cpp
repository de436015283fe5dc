#include "nmealogwidget.h"

#include "controller.h"
#include "model.h"

NMEALogWidget::NMEALogWidget(QWidget *parent)
    : QWidget(parent)
{
}

NMEALogWidget::~NMEALogWidget() = default;

void NMEALogWidget::setModel(Model *model)
{
    m_model = model;
}

void NMEALogWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void NMEALogWidget::clearWindow()
{
}
