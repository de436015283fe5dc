#pragma once

#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QList>
#include <QListView>
#include <QModelIndex>
#include <QPushButton>
#include <QStandardItemModel>
#include <QString>
#include <QVector>

// A small dialog for walking the file system with a pointer and picking an entry: the
// current directory's path, its entries in a large font, and "Up", "Back", "Choose" and
// "Close". The choice is read from chosen() once the dialog has closed.
class CustomFileDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CustomFileDialog(QWidget *parent = nullptr);

    void Setup(QWidget *parent);
    void ShowDir(QDir &dir);
    void EnterDir(QString &name);
    void GoBack();
    void SetLabelText(QString &text);

    QString chosen() const { return chosenPath; }
    QString current() const { return currentPath; }
    QVector<QString> history() const { return pathHistory; }
    QListView *entries() { return &entryView; }
    QLabel *label() { return &pathLabel; }

public slots:
    void CheckDoubleClick(QModelIndex index);
    void CheckButton();

private:
    QString startPath;
    QString currentPath;
    QString previousPath;
    QVector<QString> pathHistory;
    QDir walkDir;
    QList<QFileInfo> entryInfos;
    QFileInfo entryInfo;
    QStandardItemModel entryModel;
    QString chosenPath;
    QGridLayout dialogLayout;
    QLabel pathLabel;
    QPushButton upButton;
    QPushButton backButton;
    QPushButton chooseButton;
    QPushButton closeButton;
    QListView entryView;
};
