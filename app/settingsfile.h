#pragma once

#include <QPair>
#include <QString>
#include <QVariant>
#include <QVector>

// The program's one settings file, "settings.ini" in the working directory. A value is
// read from it with the embedded defaults ":/settings/settings.ini" as the fallback;
// values are only ever written to the user's file.
class SettingsFile
{
public:
    static QVariant value(const QString &key);
    static void setValue(const QString &key, const QVariant &value);
    // Several values in one write of the file.
    static void setValues(const QVector<QPair<QString, QVariant>> &values);
};
