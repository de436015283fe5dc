#include "languagecatalogues.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

LanguageCatalogues::LanguageCatalogues(QObject *parent)
    : QObject(parent)
{
}

LanguageCatalogues::~LanguageCatalogues()
{
    // Removed explicitly: the application outlives this object and must not keep a
    // translator that is gone.
    if (m_own)
        QCoreApplication::removeTranslator(m_own);
    if (m_qt)
        QCoreApplication::removeTranslator(m_qt);
}

void LanguageCatalogues::switchTo(const QLocale &locale)
{
    // The loader strips the name back at "_" and "." until a file exists, so ru_RU
    // finds polvane_ru.qm and a language without a file of its own gets polvane.qm.
    // A file that is not found leaves the translator empty; it is installed all the same
    // and the texts stay in English.
    auto *own = new QTranslator(this);
    m_ownFound = own->load(QStringLiteral("polvane_") + locale.name(), QStringLiteral(":/tr"));
    // Qt's catalogue of its widgets' texts, as the system's Qt translations package
    // installs it, in the language the program's catalogue turned out to have: a German
    // system reads the program in English, and Qt's buttons with it. There is none for
    // English, whose texts are Qt's own.
    auto *qt = new QTranslator(this);
    const QString language = own->language();
    m_qtFound = !language.isEmpty()
        && qt->load(QStringLiteral("qtbase_") + QLocale(language).name(),
                    QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    for (QTranslator *old : {m_own, m_qt}) {
        if (old) {
            QCoreApplication::removeTranslator(old);
            old->deleteLater();
        }
    }
    m_own = own;
    m_qt = qt;
    // The last installed is asked first: the program's texts win over Qt's where a
    // source text and context are both Qt's (none are today).
    QCoreApplication::installTranslator(m_qt);
    QCoreApplication::installTranslator(m_own);
}
