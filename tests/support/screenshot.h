#pragma once

// Screenshots for a person to look at: PNG files in "screenshots/" at the root of the
// build tree. Every test program lives two folders below that root
// (<build>/tests/<folder>/tst_x), so the folder is found from the program's own path.

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QString>
#include <QImage>
#include <QWidget>
#include <QtTest>

inline QString screenshotPath(const QString &fileName)
{
    QDir dir(QCoreApplication::applicationDirPath() + QStringLiteral("/../../screenshots"));
    dir.mkpath(QStringLiteral("."));
    return QDir::cleanPath(dir.absoluteFilePath(fileName));
}

inline bool saveScreenshot(QWidget *widget, const QString &fileName)
{
    return widget->grab().save(screenshotPath(fileName));
}

// Saves the picture and checks that it is more than a blank page.
inline void saveDrawnScreenshot(QWidget *widget, const QString &fileName)
{
    const QImage image = widget->grab().toImage();
    QVERIFY(image.save(screenshotPath(fileName)));
    int coloured = 0;
    for (int y = 0; y < image.height(); y += 2) {
        for (int x = 0; x < image.width(); x += 2)
            coloured += QColor(image.pixel(x, y)) != QColor(Qt::white) ? 1 : 0;
    }
    QVERIFY2(coloured > 100, qPrintable(fileName));
}
