#include <QElapsedTimer>
#include <QLineEdit>
#include <QtTest>

#include "../app/shellfixture.h"
#include "connectguard.h"
#include "workspacedriver.h"

namespace {

class PaintCounter : public QObject
{
public:
    int count = 0;
    bool eventFilter(QObject *, QEvent *event) override
    {
        count += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

// The workspace paints at most 25 times a second, however often its windows change.
class TestWorkspacePaint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        installConnectGuard();
        QVERIFY(shell.enter());
    }
    void cleanupTestCase() { shell.leave(); }
    void changesAreGatheredIntoOnePaintEvery40Ms();

private:
    ShellFixture shell;
};

void TestWorkspacePaint::changesAreGatheredIntoOnePaintEvery40Ms()
{
    ReceiverSession session;
    QVERIFY(session.open(InterfaceNmea));
    std::unique_ptr<DisplayContainerWidget> workspace(openWorkspace(session, false, InterfaceNmea));
    workspacedriver::showEveryWindow(workspace.get());
    QVERIFY(QTest::qWaitForWindowExposed(workspace.get()));
    auto *field = workspace->findChild<QLineEdit *>(QStringLiteral("editHDOP"));
    QVERIFY(field);
    QTest::qWait(100);

    PaintCounter paints;
    field->installEventFilter(&paints);
    // A new value every millisecond for 400 ms, as at replay_server's top speed.
    QElapsedTimer clock;
    clock.start();
    int values = 0;
    QTimer feed;
    feed.setTimerType(Qt::PreciseTimer);
    connect(&feed, &QTimer::timeout, this, [&] { field->setText(QString::number(++values)); });
    feed.start(1);
    // A busy machine fires the feed less often: it runs until both have come.
    QTRY_VERIFY_WITH_TIMEOUT(clock.elapsed() >= 400 && values > 20, 20000);
    feed.stop();
    const qint64 elapsed = clock.elapsed();
    QVERIFY2(paints.count <= elapsed / DisplayContainerWidget::minPaintIntervalMs + 2,
             qPrintable(QStringLiteral("%1 paints in %2 ms").arg(paints.count).arg(elapsed)));
    QVERIFY(paints.count >= 2);
    // The last value reaches the screen.
    const int before = paints.count;
    field->setText(QStringLiteral("0.6"));
    QTRY_VERIFY(paints.count > before);
}

QTEST_MAIN(TestWorkspacePaint)
#include "tst_workspacepaint.moc"
