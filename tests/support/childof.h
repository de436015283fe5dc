#pragma once

#include <QLatin1String>
#include <QObject>
#include <QtGlobal>

// The child of root with that object name. A missing one stops the test program at
// once: the form is not what the test is about, and every check after would crash.
template <class T>
T *childOf(const QObject *root, const char *name)
{
    T *found = root->findChild<T *>(QLatin1String(name));
    if (!found)
        qFatal("no widget %s", name);
    return found;
}
