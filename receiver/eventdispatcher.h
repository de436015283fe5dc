#pragma once

#include <QObject>
#include <QString>

// Relays the user's settings tag from the page that stores it to the workspace title.
class EventDispatcher : public QObject
{
    Q_OBJECT

public:
    explicit EventDispatcher(QObject *parent = nullptr);

public slots:
    void setSettingTag(const QString &tag);

signals:
    void settingTagChanged(QString tag);
};
