#include "bord.h"
#include "ui_bord.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTextCursor>
#include <QTextEdit>

namespace {

const int firstLetterKey = 10;
const int letterKeyCount = 33;
const int rowLengths[3] = {12, 11, 10};

} // namespace

Bord::Bord(QWidget *parent) : QDialog(parent), form(new Ui_Bord)
{
    form->setupUi(this);
    lower_keys = QStringLiteral("qwertyuiop[]asdfghjkl;'zxcvbnm,./");
    upper_keys = QStringLiteral("QWERTYUIOP{}ASDFGHJKL:\"ZXCVBNM<>?");
    key_count = keyCount;
    target_text_edit = nullptr;
    target_line_edit = nullptr;
    for (QPushButton *&button : key_buttons)
        button = nullptr;
    upper_shown = false;
    setAutoFillBackground(true);
}

Bord::~Bord()
{
    delete text_field;
    text_field = nullptr;
    deleteKeys(0, keyCount - 1);
    delete form;
}

QPushButton *Bord::key(int index) const
{
    return index >= 0 && index < keyCount ? key_buttons[index] : nullptr;
}

void Bord::create_keys()
{
    create_text_field();
    create_digit_keys();
    create_letter_keys();
    create_function_keys();
    create_done_key();
}

void Bord::deleteKeys(int first, int last)
{
    for (int i = first; i <= last; ++i) {
        delete key_buttons[i];
        key_buttons[i] = nullptr;
    }
}

QPushButton *Bord::makeKey(int index, const QString &label, const char *slot, int left, int top,
                           int width, int height)
{
    auto *button = new QPushButton(label, this);
    // A key press must leave the focus, and so the cursor, in the text field.
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(left, top, width, height);
    connect(button, SIGNAL(clicked()), this, slot);
    button->show();
    key_buttons[index] = button;
    return button;
}

void Bord::create_text_field()
{
    delete text_field;
    text_field = new QTextEdit(this);
    // The keyboard lays itself out from its own position as well as its size.
    field_left = x() + 3;
    field_top = y() + 5;
    field_width = width() - 6;
    field_height = height() / 4;
    text_field->setGeometry(field_left, field_top, field_width, field_height);
    text_field->show();
}

void Bord::create_digit_keys()
{
    deleteKeys(0, 9);
    keys_left = field_left;
    keys_top = field_top + field_height;
    key_width = width() / 14;
    key_height = key_width + 15;
    for (int i = 0; i < 10; ++i) {
        const QString label = i == 9 ? QStringLiteral("0") : QString::number(i + 1);
        makeKey(i, label, SLOT(my_click()), keys_left + key_width * i, keys_top, key_width, key_height);
    }
}

void Bord::create_letter_keys()
{
    deleteKeys(firstLetterKey, firstLetterKey + letterKeyCount - 1);
    letter_width = key_width;
    letter_height = key_height;
    letters_left = keys_left + key_width / 2;
    letters_top = keys_top + key_height;
    int index = firstLetterKey;
    for (int row = 0; row < 3; ++row) {
        for (int j = 0; j < rowLengths[row]; ++j, ++index) {
            makeKey(index, lower_keys.mid(index - firstLetterKey, 1), SLOT(my_click()),
                    letters_left + letter_width * j + (letter_width / 2) * row,
                    letters_top + letter_height * row, letter_width, letter_height);
        }
    }
}

void Bord::create_function_keys()
{
    deleteKeys(CopyKey, SpaceKey);
    const int bottom = letters_top + 3 * letter_height;
    makeKey(CopyKey, QStringLiteral("copy"), SLOT(copy()),
            letters_left + 3 * letter_width + 6 * key_width, bottom, 2 * key_width, letter_height);
    makeKey(PasteKey, QStringLiteral("paste"), SLOT(paste()),
            letters_left + 3 * letter_width + 8 * key_width, bottom, 2 * key_width, letter_height);
    makeKey(CapsKey, QStringLiteral("caps"), SLOT(shift_space()),
            keys_left, keys_top + 3 * letter_height, int(letter_width * 1.5), letter_height);
    makeKey(BackspaceKey, QStringLiteral("backspc"), SLOT(back_space()),
            keys_left + 10 * key_width, keys_top, 2 * key_width, key_height);
    makeKey(EnterKey, QStringLiteral("enter"), SLOT(enter()),
            letters_left + int(11.5 * letter_width), letters_top + letter_height, 2 * letter_width,
            letter_height);
    makeKey(SpaceKey, QString(), SLOT(space()),
            letters_left + 3 * letter_width, bottom, 6 * key_width, letter_height);
}

void Bord::create_done_key()
{
    deleteKeys(DoneKey, DoneKey);
    makeKey(DoneKey, QStringLiteral("Done"), SLOT(done()),
            letters_left + 11 * letter_width, letters_top + 2 * letter_height, 2 * key_width,
            letter_height);
}

void Bord::set_popup()
{
    setWindowFlags(Qt::Popup);
}

void Bord::set_text_target(const QString &text, QTextEdit *target)
{
    if (text_field)
        text_field->setPlainText(text);
    current_text = text;
    target_text_edit = target;
    if (text_field)
        text_field->moveCursor(QTextCursor::End);
}

void Bord::set_line_target(const QString &text, QLineEdit *target)
{
    if (text_field)
        text_field->setPlainText(text);
    current_text = text;
    target_line_edit = target;
    if (text_field)
        text_field->moveCursor(QTextCursor::End);
}

void Bord::press_done()
{
    if (key_buttons[DoneKey])
        key_buttons[DoneKey]->click();
}

void Bord::mirror()
{
    if (!text_field)
        return;
    current_text = text_field->toPlainText();
    if (target_text_edit)
        target_text_edit->setPlainText(current_text);
    if (target_line_edit)
        target_line_edit->setText(current_text);
}

void Bord::insertAtCursor(const QString &text)
{
    if (!text_field)
        return;
    text_field->insertPlainText(text);
    text_field->setFocus(Qt::OtherFocusReason);
    mirror();
}

void Bord::my_click()
{
    // A key types its current label, so caps changes what the letter keys type.
    auto *button = qobject_cast<QPushButton *>(sender());
    if (!button)
        return;
    insertAtCursor(button->text());
}

void Bord::back_space()
{
    if (!text_field)
        return;
    QTextCursor cursor = text_field->textCursor();
    cursor.deletePreviousChar();
    text_field->setTextCursor(cursor);
    text_field->setFocus(Qt::OtherFocusReason);
    mirror();
}

void Bord::enter()
{
    insertAtCursor(QStringLiteral("\n"));
}

void Bord::space()
{
    insertAtCursor(QStringLiteral(" "));
}

void Bord::shift_space()
{
    const QString &labels = upper_shown ? lower_keys : upper_keys;
    for (int i = 0; i < letterKeyCount; ++i) {
        if (QPushButton *button = key_buttons[firstLetterKey + i])
            button->setText(labels.mid(i, 1));
    }
    upper_shown = !upper_shown;
}

void Bord::copy()
{
    if (text_field)
        text_field->copy();
}

void Bord::paste()
{
    if (!text_field)
        return;
    text_field->paste();
    mirror();
}

void Bord::done()
{
    if (text_field)
        current_text = text_field->toPlainText();
    if (auto *widget = qobject_cast<QWidget *>(sender()))
        widget->clearFocus();
    if (target_text_edit)
        target_text_edit->clearFocus();
    if (target_line_edit)
        target_line_edit->clearFocus();
    if (QWidget *owner = parentWidget())
        owner->setFocus(Qt::OtherFocusReason);
    if (target_text_edit) {
        QTextCursor cursor = target_text_edit->textCursor();
        cursor.movePosition(QTextCursor::End);
        target_text_edit->setTextCursor(cursor);
    }
    hide();
    if (target_line_edit)
        emit DoneSignal();
    done_state = 2;
}
