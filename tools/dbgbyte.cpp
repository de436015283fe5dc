#include "dbgbyte.h"

#include "controller.h"
#include "model.h"

DBGByte::DBGByte(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
{
}

DBGByte::~DBGByte() = default;

void DBGByte::setController(Controller *controller)
{
    m_controller = controller;
}

