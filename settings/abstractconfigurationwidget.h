#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QVector>

#include "binaryconfigurator.h"
#include "pagevalueexchange.h"
#include "settingswidget.h"
#include "typednumber.h"

class QCheckBox;
class QRadioButton;
class QRegExpValidator;

// One connection a page keeps with the command engine, as SIGNAL/SLOT text.
struct PageConnection {
    const char *signal;
    const char *slot;
};
using PageConnectionTable = QVector<PageConnection>;

// The base of every receiver settings page.
//
// The page pattern:
// - The constructor builds the page's form on placeholder() (so connecting slots by
//   name never reaches the page: it connects its own widgets itself), installs its
//   validators and clears every widget and value as readSettings does.
// - setController moves the page's table of engine connections to the new Controller
//   (moveConfiguratorConnections).
// - Per setting the page keeps the value last received and the value taken from the
//   widgets; unknown numbers, enumerations and combo indices hold unsetValue (-1), an
//   empty field holds unsetText.
// - readSettings clears the page and sends one getter per setting, in a fixed order.
// - A reply slot stores the value as both received and current and shows it.
// - writeSettings takes the widgets into the current values (the exchange templates
//   below), sends the setter of every setting whose current value differs from the
//   received one, and always ends with readSettings, so the page shows what the
//   receiver took. When a typed number was refused (refuseTyped), it sends nothing and
//   leaves every field as typed, the refused ones marked.
// - requestError acts only on the page's own command group: a failed getter clears
//   that setting, a failed setter (getter + 0x80) asks for the setting again. No box.
class AbstractConfigurationWidget : public SettingsWidget
{
    Q_OBJECT

public:
    explicit AbstractConfigurationWidget(QWidget *parent = nullptr);

    void setModel(Model *model) override;
    // The standard error box naming a command; the pages report their own errors
    // in their requestError slots and do not call it.
    virtual void showRequestError(const QString &command);

protected:
    bool isUnset(int value) const { return value == unsetValue; }
    bool isEmptyText(const QString &text) const { return text == unsetText; }

    void clearComboBox(QComboBox *box) const;
    void clearLineEdit(QLineEdit *edit) const;
    void uncheckButton(QCheckBox *box) const;
    void uncheckButton(QRadioButton *button) const;

    // A field with text gives the value when the text is a number of the field's rule
    // (by default the whole range of the value's type); otherwise the value stays, the
    // field is marked and the refusal is kept for refuseTyped(). An emptied field shows
    // the value again, unless the value is the field's unset value, and then it stays
    // empty.
    template <typename T>
    void exchangeLineEditValue(T &value, QLineEdit *edit, PageValue::Same_t<T> unset)
    {
        exchangeLineEditValue(value, edit, unset, PageValue::ruleOf(T()));
    }
    template <typename T>
    void exchangeLineEditValue(T &value, QLineEdit *edit, PageValue::Same_t<T> unset, const TypedNumber &rule)
    {
        const QString text = edit->text();
        if (!isEmptyText(text)) {
            takeTyped(value, edit, text, rule);
            return;
        }
        TypedNumber::unmark(edit);
        if (value == unset)
            return;
        edit->setText(PageValue::textOf(value));
    }

    // The current item's data; a box without a current item gives the unset value.
    // The box itself is not touched.
    template <typename T>
    void exchangeComboBoxData(T &value, QComboBox *box, PageValue::Same_t<T> unset)
    {
        const int index = box->currentIndex();
        value = T(box->itemData(index, Qt::UserRole).toInt());
        if (isUnset(index))
            value = unset;
    }

    // exchangeLineEditValue for an editable combo box's text.
    template <typename T>
    void exchangeComboBoxText(T &value, QComboBox *box, PageValue::Same_t<T> unset)
    {
        exchangeComboBoxText(value, box, unset, PageValue::ruleOf(T()));
    }
    template <typename T>
    void exchangeComboBoxText(T &value, QComboBox *box, PageValue::Same_t<T> unset, const TypedNumber &rule)
    {
        const QString text = box->currentText();
        if (!isEmptyText(text)) {
            takeTyped(value, box, text, rule);
            return;
        }
        TypedNumber::unmark(box);
        if (value == unset)
            return;
        box->setCurrentText(PageValue::textOf(value));
    }

    // The typed text as the value, or the field marked and its refusal kept.
    template <typename T>
    bool takeTyped(T &value, QWidget *field, const QString &text, const TypedNumber &rule)
    {
        const QString why = PageValue::fromText(text, rule, value);
        if (why.isEmpty()) {
            TypedNumber::unmark(field);
            return true;
        }
        refuseField(field, why);
        return false;
    }
    // Marks the field and keeps "<field>: <why>" for refuseTyped().
    void refuseField(QWidget *field, const QString &why);
    // After the exchanges of a Save: when a field was refused, tells the person which
    // fields and why in the standard error box, forgets the refusals and returns true;
    // the page then sends nothing and leaves every field as typed.
    bool refuseTyped();

    // Digits of one unsigned byte, 0 to 255, for the fields whose value travels as one
    // byte: a larger number cannot be typed, so it never goes out as its low 8 bits.
    QRegExpValidator *newByteValidator();
    static bool isByte(int value) { return value >= 0 && value <= 255; }
    // The typed-number rule of those fields.
    static TypedNumber byteRule() { return TypedNumber::whole(0, 255); }

    // A mask, list or model goes out whole, so Save leaves out one the page could not
    // read (an unknown entry would reach the receiver as data). This tells the user, in
    // the standard error box, which of them were not sent; nothing when none.
    void reportNotSent(const QStringList &settings);

    // Disconnects the table from the engine of the Controller held so far, stores the
    // new Controller and connects the table to its engine.
    void moveConfiguratorConnections(Controller *newController, const PageConnectionTable &table);
    // The engine of the held Controller, or null.
    BinaryConfigurator *configurator() const;
    // Whether a request error is one this page answers: a Controller is held and the
    // request is of the page's command group.
    bool isOwnRequest(const QPair<MsgType, unsigned char> &request,
                      MsgType group = MsgReceiverParameters) const;

    const int unsetValue;
    const QString unsetText;

private:
    QStringList typedRefusals;
};
