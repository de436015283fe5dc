#pragma once

#include <QWidget>

// An empty widget the program carries; nothing creates it.
class msgBBinder : public QWidget
{
    Q_OBJECT

public:
    explicit msgBBinder(QWidget *parent = nullptr);
};
