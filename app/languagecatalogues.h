#pragma once

#include <QLocale>
#include <QObject>

class QTranslator;

// The program's own catalogue and Qt's (the texts of Qt's standard buttons and dialogs,
// from the system's Qt translations), installed and switched together, so that a "Yes"
// or "Cancel" that Qt writes speaks the language of the program's own texts.
class LanguageCatalogues : public QObject
{
    Q_OBJECT

public:
    explicit LanguageCatalogues(QObject *parent = nullptr);
    ~LanguageCatalogues() override;

    // Replaces both installed catalogues by those of locale. A language without a
    // catalogue of its own gets the program's source texts and Qt's English ones.
    void switchTo(const QLocale &locale);

    // Whether the last switch found each catalogue.
    bool ownFound() const { return m_ownFound; }
    bool qtFound() const { return m_qtFound; }

private:
    QTranslator *m_own = nullptr;
    QTranslator *m_qt = nullptr;
    bool m_ownFound = false;
    bool m_qtFound = false;
};
