#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>

// The program's Russian catalogue, installed for as long as this object lives (or until
// remove()), as the connection screen installs it. Widgets built meanwhile take its
// texts; `loaded` says whether the catalogue was found and installed.
class RussianCatalogue
{
public:
    RussianCatalogue()
    {
        loaded = translator.load(QStringLiteral(":/tr/polvane_ru.qm")) && QCoreApplication::installTranslator(&translator);
    }
    ~RussianCatalogue() { remove(); }
    RussianCatalogue(const RussianCatalogue &) = delete;
    RussianCatalogue &operator=(const RussianCatalogue &) = delete;

    // Back to the source texts; widgets built before keep the Russian ones.
    void remove() { QCoreApplication::removeTranslator(&translator); }

    bool loaded = false;

private:
    QTranslator translator;
};
