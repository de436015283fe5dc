#pragma once

#include <QString>
#include <QStringList>

#include <memory>

#include "pagesession.h"

// What every settings page test holds: a fresh PageSession and a fresh page for each
// test function. Mixed into the test class next to QObject:
//
//   class TestPPSWidget : public QObject, public PageFixture<PPSWidget>
//   void init() { QVERIFY(openSession()); session->table.store(...); makePage(); }
//   void cleanup() { closePage(); }
// The standard error box's text when Save left out the named settings, which the page
// could not read.
inline QString notSentText(const QStringList &settings)
{
    return QStringLiteral("Error while requesting a command '%1 (not sent: not read from the receiver)'")
        .arg(settings.join(QStringLiteral(", ")));
}

template <typename Page>
class PageFixture
{
public:
    virtual ~PageFixture() = default;

protected:
    // A new session in binary mode on a settings table; the table is filled next, then
    // the page made, so the page meets a receiver that already knows its values.
    bool openSession()
    {
        session = std::make_unique<PageSession>();
        return session->open();
    }
    void makePage() { page = std::make_unique<Page>(nullptr); }
    // The page goes first: it may still queue requests on the session's Controller.
    void closePage()
    {
        page.reset();
        session.reset();
    }
    // The page asks the receiver for its settings, as when it is opened.
    void readPage()
    {
        page->setController(session->controller);
        page->readSettings();
    }

    template <typename W>
    W *child(const QString &name) const
    {
        return page->template findChild<W *>(name);
    }

    std::unique_ptr<PageSession> session;
    std::unique_ptr<Page> page;
};
