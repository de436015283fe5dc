#include "skyviewwidget.h"

#include "controller.h"
#include "model.h"

SkyViewWidget::SkyViewWidget(QWidget *parent)
    : QWidget(parent)
{
}

SkyViewWidget::~SkyViewWidget() = default;

void SkyViewWidget::setModel(Model *model)
{
    m_model = model;
}

void SkyViewWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void SkyViewWidget::clearWindow()
{
}
