#include "customfiledialog.h"

#include <QFont>
#include <QSizePolicy>
#include <QStandardItem>

CustomFileDialog::CustomFileDialog(QWidget *parent)
    : QDialog(parent), walkDir(QString())
{
    Setup(parent);
}

void CustomFileDialog::Setup(QWidget *parent)
{
    // The dialog takes its size and place from the window that opens it; without one
    // there is nothing to lay it out from.
    if (!parent)
        return;

    setAutoFillBackground(true);

    pathLabel.setMaximumHeight(25);
    pathLabel.setMaximumWidth(parent->width() - 20);
    pathLabel.setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    dialogLayout.addWidget(&pathLabel, 0, 0, 1, 2);

    QFont font = entryView.font();
    font.setPointSize(16);
    entryView.setFont(font);
    entryView.setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    dialogLayout.addWidget(&entryView, 1, 0, 4, 1);

    QPushButton *buttons[] = {&upButton, &backButton, &chooseButton, &closeButton};
    const char *labels[] = {"Up", "Back", "Choose", "Close"};
    for (int i = 0; i < 4; ++i) {
        buttons[i]->setText(QString::fromLatin1(labels[i]));
        buttons[i]->setMaximumWidth(60);
        buttons[i]->setSizePolicy(QSizePolicy::Minimum, QSizePolicy::Preferred);
        dialogLayout.addWidget(buttons[i], 1 + i, 1);
    }

    setLayout(&dialogLayout);
    setGeometry(parent->geometry());

    startPath = QDir::currentPath();
    currentPath = startPath;
    previousPath = startPath;
    pathLabel.setText(currentPath);

    ShowDir(walkDir);

    connect(&entryView, SIGNAL(doubleClicked(QModelIndex)), this, SLOT(CheckDoubleClick(QModelIndex)));
    for (QPushButton *button : buttons)
        connect(button, SIGNAL(clicked()), this, SLOT(CheckButton()));

    entryView.setEditTriggers(QAbstractItemView::NoEditTriggers);
}

void CustomFileDialog::ShowDir(QDir &dir)
{
    entryInfos = dir.entryInfoList();
    entryModel.clear();
    for (const QFileInfo &info : qAsConst(entryInfos)) {
        entryInfo = info;
        entryModel.appendRow(new QStandardItem(entryInfo.fileName()));
    }
    entryView.setModel(&entryModel);
}

void CustomFileDialog::EnterDir(QString &name)
{
    walkDir.setPath(currentPath);
    // A name that is no enterable directory leaves walkDir where it was; the step is
    // still recorded, so "Back" undoes it like any other.
    walkDir.cd(name);
    previousPath = currentPath;
    currentPath = walkDir.path();
    pathHistory.append(previousPath);
}

void CustomFileDialog::GoBack()
{
    if (pathHistory.isEmpty())
        return;
    walkDir.setPath(currentPath);
    currentPath = pathHistory.takeLast();
    walkDir.cd(QDir(currentPath).absolutePath());
}

void CustomFileDialog::SetLabelText(QString &text)
{
    pathLabel.setText(text);
}

void CustomFileDialog::CheckDoubleClick(QModelIndex index)
{
    QString name = index.data(Qt::DisplayRole).toString();
    EnterDir(name);
    pathLabel.setText(currentPath);
    ShowDir(walkDir);
}

void CustomFileDialog::CheckButton()
{
    auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    // The buttons are told apart by the length of their labels.
    switch (button->text().size()) {
    case 2: {
        QString up = QStringLiteral("..");
        EnterDir(up);
        pathLabel.setText(currentPath);
        ShowDir(walkDir);
        break;
    }
    case 4:
        GoBack();
        pathLabel.setText(currentPath);
        ShowDir(walkDir);
        break;
    case 5:
        close();
        break;
    case 6: {
        const QString name = entryView.currentIndex().data(Qt::DisplayRole).toString();
        chosenPath = currentPath + QLatin1Char('/') + name;
        close();
        break;
    }
    default:
        break;
    }
}
