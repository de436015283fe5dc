#pragma once

#include <QDialog>
#include <QPointer>
#include <QString>

class QLineEdit;
class QPushButton;
class QTextEdit;
class Ui_Bord;

// An on-screen keyboard: its own text field and 50 keys, so text can be entered with a
// pointer alone. After every edit the whole text is copied into the owner's target widgets.
class Bord : public QDialog
{
    Q_OBJECT

public:
    static const int keyCount = 50;
    // Indices of the keys that are not digits or letters.
    enum Key { CopyKey = 43, PasteKey, CapsKey, BackspaceKey, EnterKey, SpaceKey, DoneKey };

    explicit Bord(QWidget *parent = nullptr);
    ~Bord() override;

    using QDialog::done;

    void create_keys();
    void set_popup();
    void set_text_target(const QString &text, QTextEdit *target);
    void set_line_target(const QString &text, QLineEdit *target);
    void press_done();

    QString currentText() const { return current_text; }
    int doneState() const { return done_state; }
    bool upperShown() const { return upper_shown; }
    QPushButton *key(int index) const;
    QTextEdit *textField() const { return text_field; }

signals:
    void DoneSignal();

public slots:
    void my_click();
    void back_space();
    void enter();
    void space();
    void done();
    void shift_space();
    void copy();
    void paste();

private:
    void create_text_field();
    void create_digit_keys();
    void create_letter_keys();
    void create_function_keys();
    void create_done_key();
    void deleteKeys(int first, int last);
    QPushButton *makeKey(int index, const QString &label, const char *slot, int left, int top,
                         int width, int height);
    void insertAtCursor(const QString &text);
    void mirror();

    QPushButton *key_buttons[keyCount];
    QTextEdit *text_field = nullptr;
    QPointer<QTextEdit> target_text_edit;
    QPointer<QLineEdit> target_line_edit;
    QString lower_keys;
    QString upper_keys;
    int key_count = keyCount;
    int field_left = 0;
    int field_top = 0;
    int field_width = 0;
    int field_height = 0;
    int keys_left = 0;
    int keys_top = 0;
    int key_width = 0;
    int key_height = 0;
    int letters_left = 0;
    int letters_top = 0;
    int letter_width = 0;
    int letter_height = 0;
    int done_state = 0;
    bool upper_shown = false;
    QString current_text;
    Ui_Bord *form = nullptr;
};
