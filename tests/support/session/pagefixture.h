#pragma once

#include <QColor>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QStringList>
#include <QtTest>

#include <memory>

#include "pagesession.h"
#include "typednumbers.h"

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

// Whether a person sees the field marked as refused: a fifth of it or more, around and
// between the letters, in the refusal colour.
inline bool looksRefused(QWidget *field)
{
    const QImage image = field->grab().toImage();
    int marked = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            marked += image.pixelColor(x, y) == QColor(0xff, 0xc0, 0xc0) ? 1 : 0;
    }
    return marked * 5 >= image.width() * image.height();
}

// The hex of each frame, separated by spaces: a row of the frames a Save sent.
inline QString hexFrames(const QList<QByteArray> &frames)
{
    QStringList texts;
    for (const QByteArray &frame : frames)
        texts.append(QString::fromLatin1(frame.toHex()));
    return texts.join(QLatin1Char(' '));
}

// What typeAndSave gives when Save sent the frames and the field shows its number.
inline QStringList sentOutcome(const QList<QByteArray> &frames, const QString &shown)
{
    return {QStringLiteral("sent: ") + hexFrames(frames), QStringLiteral("field: ") + shown,
            QStringLiteral("not marked")};
}

// What typeAndSave gives when Save refused the typed text: nothing sent, the text kept
// and marked.
inline QStringList refusedOutcome(const QString &typed)
{
    return {QStringLiteral("sent: "), QStringLiteral("field: ") + typed, QStringLiteral("marked")};
}

// The columns of a typed-number table: the field (unless the test names one), the text
// typed, typeAndSave's outcome and the box shown (none when the number went out).
inline void addTypedNumberColumns(bool fieldColumn = true)
{
    if (fieldColumn)
        QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("outcome");
    QTest::addColumn<QString>("box");
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

    // Types text into the named field as a person does (the field emptied first; an
    // editable combo box through its line edit), presses Save and waits until the link
    // is quiet. Gives what came of it, as a person and the receiver see it: the frames
    // sent, the field's text, whether the field is marked.
    QStringList typeAndSave(const QString &name, const QString &text)
    {
        session->table.clearRecord();
        QWidget *field = page->template findChild<QWidget *>(name);
        QLineEdit *edit = qobject_cast<QLineEdit *>(field);
        if (auto *box = qobject_cast<QComboBox *>(field))
            edit = box->lineEdit();
        if (!edit)
            return {QStringLiteral("no field ") + name};
        typeOver(edit, text);
        page->template findChild<QPushButton *>(QStringLiteral("btnSave"))->click();
        if (!session->settle())
            return {QStringLiteral("the link did not settle")};
        return {QStringLiteral("sent: ") + hexFrames(session->table.frames()), QStringLiteral("field: ") + edit->text(),
                looksRefused(edit) ? QStringLiteral("marked") : QStringLiteral("not marked")};
    }

    // The current row of a typed-number table (addTypedNumberColumns), typed and saved
    // on the open page with the boxes cleared first: typeAndSave's outcome, then the last
    // box's text. rowExpected() gives what the row wants.
    template <typename Boxes>
    QStringList typeRowAndSave(Boxes &boxes, const QString &fixedField = QString())
    {
        QFETCH(QString, typed);
        const auto rowField = []() {
            QFETCH(QString, field);
            return field;
        };
        boxes.clear();
        return typeAndSave(fixedField.isEmpty() ? rowField() : fixedField, typed) << lastText(boxes);
    }
    static QStringList rowExpected()
    {
        QFETCH(QStringList, outcome);
        QFETCH(QString, box);
        return outcome << box;
    }

    template <typename W>
    W *child(const QString &name) const
    {
        return page->template findChild<W *>(name);
    }

    std::unique_ptr<PageSession> session;
    std::unique_ptr<Page> page;
};
