#include "settingsfile.h"

#include <QSettings>

namespace {

const QString userFile = QStringLiteral("settings.ini");
const QString defaultsFile = QStringLiteral(":/settings/settings.ini");

} // namespace

QVariant SettingsFile::value(const QString &key)
{
    const QSettings defaults(defaultsFile, QSettings::IniFormat);
    const QSettings user(userFile, QSettings::IniFormat);
    return user.value(key, defaults.value(key));
}

void SettingsFile::setValue(const QString &key, const QVariant &value)
{
    QSettings user(userFile, QSettings::IniFormat);
    user.setValue(key, value);
}

void SettingsFile::setValues(const QVector<QPair<QString, QVariant>> &values)
{
    QSettings user(userFile, QSettings::IniFormat);
    for (const auto &value : values)
        user.setValue(value.first, value.second);
}
