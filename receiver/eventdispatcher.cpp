#include "eventdispatcher.h"

EventDispatcher::EventDispatcher(QObject *parent)
    : QObject(parent)
{
}

void EventDispatcher::setSettingTag(const QString &tag)
{
    emit settingTagChanged(tag);
}
