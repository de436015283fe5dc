#pragma once

#include <QString>
#include <QStringList>

// One column of the receiver's debug table: its name and one text per row, top to
// bottom. Lives only while one debug line is turned into table lines.
struct DebugTableColumn
{
    QString name;
    QStringList values;
};
