#pragma once

#include <QAbstractButton>
#include <QFileDialog>
#include <QMap>
#include <QMessageBox>
#include <QString>
#include <QWidget>

#include <functional>

// Modal message boxes and file dialogs of one area of the program (the shell, the
// windows, the pages, the tools) go through this seam, so a test can answer them
// without a person. Each area has its own instance: DialogSeam<struct ToolsArea>.
// Without a hook the real modal box or dialog is shown. A message hook answers for the
// box from its texts; a box hook is given the box itself, built as a person would see
// it, button texts included.
enum class FileDialogKind { Open, Save };

template <typename Area>
class DialogSeam
{
public:
    using MessageHook = std::function<QMessageBox::StandardButton(
        QWidget *parent, QMessageBox::Icon icon, const QString &title, const QString &text,
        QMessageBox::StandardButtons buttons)>;
    // Sees the box as it would be shown, instead of a person, and answers it.
    using BoxHook = std::function<QMessageBox::StandardButton(QMessageBox &box)>;
    // Texts of the box's own for some of its standard buttons.
    using ButtonTexts = QMap<QMessageBox::StandardButton, QString>;
    using FileHook = std::function<QString(QWidget *parent, FileDialogKind kind,
                                           const QString &caption, const QString &dir,
                                           const QString &filter)>;

    static QMessageBox::StandardButton message(QWidget *parent, QMessageBox::Icon icon,
                                               const QString &title, const QString &text,
                                               QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                               QMessageBox::StandardButton defaultButton = QMessageBox::NoButton,
                                               const ButtonTexts &buttonTexts = ButtonTexts())
    {
        if (messageHook)
            return messageHook(parent, icon, title, text, buttons);
        QMessageBox box(icon, title, text, buttons, parent);
        if (defaultButton != QMessageBox::NoButton)
            box.setDefaultButton(defaultButton);
        for (auto it = buttonTexts.cbegin(); it != buttonTexts.cend(); ++it) {
            if (QAbstractButton *button = box.button(it.key()))
                button->setText(it.value());
        }
        if (boxHook)
            return boxHook(box);
        return QMessageBox::StandardButton(box.exec());
    }

    static QString openFileName(QWidget *parent, const QString &caption, const QString &dir = QString(),
                                const QString &filter = QString())
    {
        if (fileHook)
            return fileHook(parent, FileDialogKind::Open, caption, dir, filter);
        return QFileDialog::getOpenFileName(parent, caption, dir, filter);
    }

    static QString saveFileName(QWidget *parent, const QString &caption, const QString &dir = QString(),
                                const QString &filter = QString())
    {
        if (fileHook)
            return fileHook(parent, FileDialogKind::Save, caption, dir, filter);
        return QFileDialog::getSaveFileName(parent, caption, dir, filter);
    }

    static void setMessageHook(MessageHook hook) { messageHook = std::move(hook); }
    static void setBoxHook(BoxHook hook) { boxHook = std::move(hook); }
    static void setFileHook(FileHook hook) { fileHook = std::move(hook); }

private:
    static inline MessageHook messageHook;
    static inline BoxHook boxHook;
    static inline FileHook fileHook;
};
