#include "mapwidget.h"

#include "controller.h"
#include "model.h"

MapWidget::MapWidget(QWidget *parent)
    : QWidget(parent)
{
}

MapWidget::~MapWidget() = default;

void MapWidget::setModel(Model *model)
{
    m_model = model;
}

void MapWidget::setController(Controller *controller)
{
    m_controller = controller;
}

void MapWidget::clearWindow()
{
}
