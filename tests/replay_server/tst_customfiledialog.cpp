#include <QDir>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

#include "connectguard.h"
#include "customfiledialog.h"

class TestCustomFileDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void listsTheWorkingDirectory();
    void backRetracesTheSteps();
    void aStepThatGoesNowhereIsStillRecorded();
    void chooseJoinsThePathAndTheEntry_data();
    void chooseJoinsThePathAndTheEntry();
    void closeKeepsTheChoice();
    void buttonsAreKnownByTheirLabelLength();
    void withoutAParentNothingIsBuilt();

private:
    QPushButton *button(const QString &label);
    void doubleClick(const QString &name);
    QStringList listed();

    std::unique_ptr<QTemporaryDir> dir;
    QString startDir;
    QString root;
    std::unique_ptr<QWidget> parent;
    std::unique_ptr<CustomFileDialog> dialog;
};

void TestCustomFileDialog::initTestCase()
{
    installConnectGuard();
    startDir = QDir::currentPath();
}

void TestCustomFileDialog::init()
{
    dir.reset(new QTemporaryDir);
    QVERIFY(dir->isValid());
    root = QDir(dir->path()).canonicalPath();
    QVERIFY(QDir(root).mkpath(QStringLiteral("A/B")));
    QFile file(root + QStringLiteral("/notes.txt"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QVERIFY(QDir::setCurrent(root));
    parent.reset(new QWidget);
    parent->setGeometry(10, 20, 400, 300);
    dialog.reset(new CustomFileDialog(parent.get()));
}

void TestCustomFileDialog::cleanup()
{
    dialog.reset();
    parent.reset();
    QDir::setCurrent(startDir);
    dir.reset();
}

QPushButton *TestCustomFileDialog::button(const QString &label)
{
    for (QPushButton *candidate : dialog->findChildren<QPushButton *>()) {
        if (candidate->text() == label)
            return candidate;
    }
    qFatal("no button %s", qPrintable(label));
}

void TestCustomFileDialog::doubleClick(const QString &name)
{
    QListView *view = dialog->entries();
    const QModelIndexList found = view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, name, 1,
                                                       Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no entry %s", qPrintable(name));
    emit view->doubleClicked(found.first());
}

QStringList TestCustomFileDialog::listed()
{
    QStringList names;
    QAbstractItemModel *model = dialog->entries()->model();
    for (int row = 0; row < model->rowCount(); ++row)
        names << model->index(row, 0).data().toString();
    return names;
}

void TestCustomFileDialog::listsTheWorkingDirectory()
{
    QCOMPARE(dialog->current(), root);
    QCOMPARE(dialog->label()->text(), root);
    QCOMPARE(listed(), (QStringList{QStringLiteral("."), QStringLiteral(".."), QStringLiteral("A"),
                                    QStringLiteral("notes.txt")}));
    QCOMPARE(dialog->geometry(), parent->geometry());
}

void TestCustomFileDialog::backRetracesTheSteps()
{
    doubleClick(QStringLiteral("A"));
    QCOMPARE(dialog->current(), root + QStringLiteral("/A"));
    doubleClick(QStringLiteral("B"));
    QCOMPARE(dialog->label()->text(), root + QStringLiteral("/A/B"));
    QCOMPARE(listed(), (QStringList{QStringLiteral("."), QStringLiteral("..")}));

    button(QStringLiteral("Back"))->click();
    QCOMPARE(dialog->current(), root + QStringLiteral("/A"));
    QCOMPARE(listed(), (QStringList{QStringLiteral("."), QStringLiteral(".."), QStringLiteral("B")}));
    button(QStringLiteral("Back"))->click();
    button(QStringLiteral("Back"))->click(); // with nothing left to retrace: stays
    QCOMPARE(dialog->current(), root);
    QVERIFY(dialog->history().isEmpty());
}

void TestCustomFileDialog::aStepThatGoesNowhereIsStillRecorded()
{
    doubleClick(QStringLiteral("notes.txt"));
    QCOMPARE(dialog->current(), root);
    QCOMPARE(dialog->history().size(), 1);
    doubleClick(QStringLiteral("."));
    QCOMPARE(dialog->history().size(), 2);
    doubleClick(QStringLiteral("A"));
    QCOMPARE(dialog->current(), root + QStringLiteral("/A"));
    button(QStringLiteral("Back"))->click();
    button(QStringLiteral("Back"))->click();
    QCOMPARE(dialog->current(), root);
    QCOMPARE(dialog->history().size(), 1);
}

void TestCustomFileDialog::chooseJoinsThePathAndTheEntry_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("nothing selected") << QString() << QStringLiteral("/");
    QTest::newRow("a directory") << QStringLiteral("A") << QStringLiteral("/A");
    QTest::newRow("a file") << QStringLiteral("notes.txt") << QStringLiteral("/notes.txt");
}

void TestCustomFileDialog::chooseJoinsThePathAndTheEntry()
{
    QFETCH(QString, entry);
    QFETCH(QString, chosen);
    dialog->show();
    if (!entry.isEmpty()) {
        QListView *view = dialog->entries();
        view->setCurrentIndex(view->model()->match(view->model()->index(0, 0), Qt::DisplayRole, entry, 1,
                                                   Qt::MatchExactly).value(0));
    }
    button(QStringLiteral("Choose"))->click();
    QCOMPARE(dialog->chosen(), root + chosen);
    QVERIFY(dialog->isHidden());
}

void TestCustomFileDialog::closeKeepsTheChoice()
{
    button(QStringLiteral("Choose"))->click();
    dialog->show();
    button(QStringLiteral("Close"))->click();
    QVERIFY(dialog->isHidden());
    QCOMPARE(dialog->chosen(), root + QStringLiteral("/"));
    dialog->show();
    QCOMPARE(dialog->current(), root);
}

void TestCustomFileDialog::buttonsAreKnownByTheirLabelLength()
{
    QPushButton *up = button(QStringLiteral("Up"));
    up->setText(QStringLiteral("Ok"));  // still two characters: still "Up"
    doubleClick(QStringLiteral("A"));
    up->click();
    QCOMPARE(QDir(dialog->current()).canonicalPath(), root);
    QVERIFY(listed().contains(QStringLiteral("notes.txt")));

    up->setText(QStringLiteral("Nowhere"));
    const auto before = dialog->history();
    up->click();
    QCOMPARE(dialog->history(), before);
    dialog->CheckButton();  // not from a button: nothing
    QCOMPARE(dialog->history(), before);
}

void TestCustomFileDialog::withoutAParentNothingIsBuilt()
{
    CustomFileDialog orphan(nullptr);
    QVERIFY(!orphan.layout());
    QVERIFY(!orphan.entries()->model());
    QCOMPARE(orphan.current(), QString());
}

QTEST_MAIN(TestCustomFileDialog)
#include "tst_customfiledialog.moc"
