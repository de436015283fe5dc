#include "msgbbinder.h"

msgBBinder::msgBBinder(QWidget *parent) : QWidget(parent)
{
}
