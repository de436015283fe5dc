#include "tst_formsreadable_checks.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QStyleOption>
#include <QGroupBox>
#include <QDoubleSpinBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QTableView>
#include <QTextDocument>
#include <QToolButton>
#include <QTreeView>
#include <QValidator>

namespace {

QString nameOf(const QWidget *widget)
{
    QString name = widget->objectName();
    if (name.isEmpty())
        name = QString::fromLatin1(widget->metaObject()->className());
    // An unnamed part of a named widget (a spin box's edit) is found by its owner's name.
    if (widget->objectName().isEmpty() && widget->parentWidget())
        name = nameOf(widget->parentWidget()) + QLatin1Char('/') + name;
    return name;
}

QString sizeText(const QSize &size)
{
    return QStringLiteral("%1x%2").arg(size.width()).arg(size.height());
}

// QLineEdit scrolls its text once it is wider than the contents rectangle less its
// margins (2 px each side) and the cursor's pixel.
void checkLineEdit(QLineEdit *edit, QStringList &faults)
{
    if (edit->echoMode() != QLineEdit::Normal)
        return;
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.rect = edit->rect();
    option.lineWidth = edit->hasFrame() ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit) : 0;
    option.midLineWidth = 0;
    option.state |= QStyle::State_Sunken;
    if (edit->isReadOnly())
        option.state |= QStyle::State_ReadOnly;
    QRect contents = edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
    contents = contents.marginsRemoved(edit->textMargins());
    const QFontMetrics metrics(edit->font());
    const int needed = metrics.horizontalAdvance(edit->text()) + 1;
    const int available = contents.width() - 4;
    if (!edit->text().isEmpty() && needed > available) {
        faults << QStringLiteral("line edit %1: \"%2\" needs %3 px, has %4")
                      .arg(nameOf(edit), edit->text()).arg(needed).arg(available);
    }
    // QLineEdit centres its line vertically and clips it to the contents: the ink of the
    // text (not the leading around it) must lie inside.
    if (!edit->text().isEmpty()) {
        const int lineTop = contents.y() + (contents.height() - metrics.height() + 1) / 2;
        const QRect ink = metrics.tightBoundingRect(edit->text()).translated(0, lineTop + metrics.ascent());
        if (ink.top() < contents.top() || ink.bottom() > contents.bottom()) {
            faults << QStringLiteral("line edit %1: %2 px high, the ink of \"%3\" needs %4")
                          .arg(nameOf(edit))
                          .arg(contents.height())
                          .arg(edit->text())
                          .arg(ink.height());
        }
    }
}

void checkLabel(QLabel *label, QStringList &faults)
{
    if (label->text().isEmpty() || !label->pixmap(Qt::ReturnByValue).isNull() || label->movie() || label->hasScaledContents())
        return;
    const QSize size = label->size();
    if (label->wordWrap()) {
        const int needed = label->heightForWidth(size.width());
        if (needed > size.height()) {
            faults << QStringLiteral("label %1: \"%2\" needs %3 px high at its width, has %4")
                          .arg(nameOf(label), label->text()).arg(needed).arg(size.height());
        }
        return;
    }
    const QSize needed = label->sizeHint();
    if (needed.width() > size.width() || needed.height() > size.height()) {
        faults << QStringLiteral("label %1: \"%2\" needs %3, has %4")
                      .arg(nameOf(label), label->text(), sizeText(needed), sizeText(size));
    }
}

void checkButton(QAbstractButton *button, QStringList &faults)
{
    if (button->text().isEmpty())
        return;
    QSize needed;
    if (auto *push = qobject_cast<QPushButton *>(button)) {
        // The style's own size for the text, without the least width it gives every
        // button with a text.
        QStyleOptionButton option;
        option.initFrom(push);
        option.features = push->isFlat() ? QStyleOptionButton::Flat : QStyleOptionButton::None;
        if (push->menu())
            option.features |= QStyleOptionButton::HasMenu;
        option.icon = push->icon();
        option.iconSize = push->iconSize();
        const QFontMetrics metrics(push->font());
        QSize contents(metrics.size(Qt::TextShowMnemonic, push->text()));
        if (!push->icon().isNull())
            contents = QSize(contents.width() + push->iconSize().width() + 4,
                             qMax(contents.height(), push->iconSize().height()));
        needed = push->style()->sizeFromContents(QStyle::CT_PushButton, &option, contents, push);
    } else {
        needed = button->sizeHint();
    }
    const QSize size = button->size();
    if (needed.width() > size.width() || needed.height() > size.height()) {
        faults << QStringLiteral("button %1: \"%2\" needs %3, has %4")
                      .arg(nameOf(button), button->text(), sizeText(needed), sizeText(size));
    }
}

void checkComboBox(QComboBox *combo, QStringList &faults)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.editable = combo->isEditable();
    option.frame = combo->hasFrame();
    option.subControls = QStyle::SC_All;
    const QRect field =
        combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
    const QFontMetrics metrics(combo->font());
    // Any item may be picked, so each must fit the field.
    for (int i = 0; i < combo->count(); ++i) {
        // A blank at the end of an item ("SINGLE + ANGLE ") draws nothing that could be cut.
        QString shown = combo->itemText(i);
        while (shown.endsWith(QLatin1Char(' ')))
            shown.chop(1);
        int needed = metrics.horizontalAdvance(shown) + 2;
        if (!combo->itemIcon(i).isNull())
            needed += combo->iconSize().width() + 4;
        if (needed > field.width()) {
            faults << QStringLiteral("combo box %1: item \"%2\" needs %3 px, has %4")
                          .arg(nameOf(combo), combo->itemText(i)).arg(needed).arg(field.width());
        }
    }
    const int ink = combo->count() > 0 ? metrics.tightBoundingRect(combo->currentText()).height() : 0;
    if (field.height() < ink) {
        faults << QStringLiteral("combo box %1: %2 px high, its text needs %3")
                      .arg(nameOf(combo)).arg(field.height()).arg(ink);
    }
}

int columnWidth(QAbstractItemView *view, int column)
{
    if (auto *table = qobject_cast<QTableView *>(view))
        return table->columnWidth(column);
    if (auto *tree = qobject_cast<QTreeView *>(view))
        return tree->columnWidth(column) - (column == 0 ? tree->indentation() * (tree->rootIsDecorated() ? 1 : 0) : 0);
    return view->viewport()->width();
}

bool columnHidden(QAbstractItemView *view, int column)
{
    if (auto *table = qobject_cast<QTableView *>(view))
        return table->isColumnHidden(column);
    if (auto *tree = qobject_cast<QTreeView *>(view))
        return tree->isColumnHidden(column);
    return column != 0;
}

QHeaderView *horizontalHeader(QAbstractItemView *view)
{
    if (auto *table = qobject_cast<QTableView *>(view))
        return table->horizontalHeader();
    if (auto *tree = qobject_cast<QTreeView *>(view))
        return tree->header();
    return nullptr;
}

void checkItemView(QAbstractItemView *view, QStringList &faults)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    if (QHeaderView *header = horizontalHeader(view)) {
        if (header->isVisible()) {
            for (int section = 0; section < header->count(); ++section) {
                if (header->isSectionHidden(section))
                    continue;
                const int needed = header->sectionSizeHint(section);
                if (needed > header->sectionSize(section)) {
                    faults << QStringLiteral("table %1: header \"%2\" needs %3 px, has %4")
                                  .arg(nameOf(view), model->headerData(section, Qt::Horizontal).toString())
                                  .arg(needed)
                                  .arg(header->sectionSize(section));
                }
            }
        }
    }
    for (int row = 0; row < model->rowCount(view->rootIndex()); ++row) {
        for (int column = 0; column < model->columnCount(view->rootIndex()); ++column) {
            if (columnHidden(view, column))
                continue;
            const QModelIndex index = model->index(row, column, view->rootIndex());
            const QString text = index.data(Qt::DisplayRole).toString();
            if (text.isEmpty())
                continue;
            const int needed = view->sizeHintForIndex(index).width();
            const int width = columnWidth(view, column);
            if (needed > width) {
                faults << QStringLiteral("table %1: cell (%2, %3) \"%4\" needs %5 px, has %6")
                              .arg(nameOf(view))
                              .arg(row)
                              .arg(column)
                              .arg(text)
                              .arg(needed)
                              .arg(width);
            }
        }
    }
}

// A view or scroll area may scroll down, but what is cut at its side is not seen.
void checkSideScrolling(QAbstractScrollArea *area, QStringList &faults)
{
    if (area->horizontalScrollBar()->isVisible())
        faults << QStringLiteral("%1: its contents are wider than it").arg(nameOf(area));
}

// A widget with a layout smaller than the layout's minimum hides or squeezes its parts
// (a group box collapses to its title).
void checkLayoutRoom(QWidget *widget, QStringList &faults)
{
    if (!widget->layout())
        return;
    const QSize needed = widget->minimumSizeHint();
    const QSize size = widget->size();
    if (needed.width() > size.width() || needed.height() > size.height()) {
        faults << QStringLiteral("%1 %2: its layout needs %3, has %4")
                      .arg(QString::fromLatin1(widget->metaObject()->className()), nameOf(widget),
                           sizeText(needed), sizeText(size));
    }
}

// A group's title is drawn in the style's label rectangle; past the box's right edge it
// is cut ("Master Antenna  (ECEF" without its bracket).
void checkGroupTitle(QGroupBox *box, QStringList &faults)
{
    if (box->title().isEmpty())
        return;
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.textAlignment = box->alignment();
    option.lineWidth = 1;
    option.midLineWidth = 0;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isCheckable())
        option.subControls |= QStyle::SC_GroupBoxCheckBox;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, box);
    const int needed = QFontMetrics(box->font()).horizontalAdvance(box->title());
    if (label.left() + needed > box->rect().right() + 1) {
        faults << QStringLiteral("group box %1: title \"%2\" needs %3 px, has %4 of %5")
                      .arg(nameOf(box), box->title())
                      .arg(needed)
                      .arg(box->rect().right() + 1 - label.left())
                      .arg(box->width());
    }
}

// A scroll area's contents are meant to be larger than its viewport.
bool isScrolledContents(const QWidget *parent)
{
    auto *area = qobject_cast<const QAbstractScrollArea *>(parent ? parent->parentWidget() : nullptr);
    return area && area->viewport() == parent;
}

void checkSiblings(QWidget *widget, QStringList &faults)
{
    QList<QWidget *> shown;
    for (QObject *object : widget->children()) {
        auto *child = qobject_cast<QWidget *>(object);
        if (child && child->isVisible() && !child->isWindow())
            shown.append(child);
    }
    for (int i = 0; i < shown.size(); ++i) {
        QWidget *child = shown.at(i);
        if (!isScrolledContents(widget) && !widget->rect().contains(child->geometry())) {
            const QRect at = child->geometry();
            faults << QStringLiteral("%1: reaches out of %2 (%3,%4 %5 in %6)")
                          .arg(nameOf(child), nameOf(widget))
                          .arg(at.x())
                          .arg(at.y())
                          .arg(sizeText(at.size()), sizeText(widget->size()));
        }
        for (int j = i + 1; j < shown.size(); ++j) {
            if (child->geometry().intersects(shown.at(j)->geometry()))
                faults << QStringLiteral("%1 and %2 overlap").arg(nameOf(child), nameOf(shown.at(j)));
        }
    }
}

// Fields whose longest realistic value is known by their name.
struct NamedValue
{
    const char *pattern;
    const char *value;
};

const NamedValue namedValues[] = {
    {"^edit(BestPos)?Lat$", "-55.75581234"},
    {"^edit(BestPos)?Lon$", "-137.62212345"},
    {"^edit(BestPos)?Alt$", "-1234.567"},
    {"^edit(Curr|New|Comb)L[12](Value|Std)_[0-9]+$", "-12.566"},
    {"^editTemperature$", "-40.5"},
    {"^editValue$", "ffffffff"},
    {"^editFrqBand[1-4]$", "-26.499999"},
    {"^edit(TbiRef(Band[1-4]|Cx)|Control|Status)$", "0xffff"},
    {"^editTrimADC$", "0x1f 0x1f"},
    {"^edit(Ifa|Agc)[01][1-4]$", "31"},
    {"^edit(Address|RfAgcValue)$", "255"},
    {"^edit(TransportDelay|Calibration|ClockTolerance)$", "65535"},
    {"^editGloL[12]Slope$", "-32768"},
    {"^editUserTag$", "MOSCOW-ROOF-BASE-STATION-01-RK2"},
};

// For the others: the candidates, longest first; a field takes the first one its
// validator accepts, a field without a validator the signed decimal.
const char *const longestValues[] = {
    "-137.62212345", "-55.75581234", "-2.250000", "460800", "65535", "FFFF", "255", "FF",
};
const char *const unvalidatedValue = "-2.250000";

bool accepts(const QLineEdit *edit, QString value)
{
    if (edit->maxLength() < value.size())
        return false;
    if (!edit->validator())
        return true;
    int position = 0;
    return edit->validator()->validate(value, position) == QValidator::Acceptable;
}

void fillLineEdit(QLineEdit *edit)
{
    if (!edit->inputMask().isEmpty() || qobject_cast<QAbstractSpinBox *>(edit->parentWidget())
        || qobject_cast<QComboBox *>(edit->parentWidget()))
        return;
    // What the form wrote itself stays; only empty fields and the user's own get a value.
    if (edit->isReadOnly() && !edit->text().isEmpty())
        return;
    for (const NamedValue &named : namedValues) {
        if (QRegularExpression(QLatin1String(named.pattern)).match(edit->objectName()).hasMatch()) {
            edit->setText(QString::fromLatin1(named.value));
            return;
        }
    }
    if (!edit->validator()) {
        if (accepts(edit, QString::fromLatin1(unvalidatedValue)))
            edit->setText(QString::fromLatin1(unvalidatedValue));
        return;
    }
    for (const char *value : longestValues) {
        if (accepts(edit, QString::fromLatin1(value))) {
            edit->setText(QString::fromLatin1(value));
            return;
        }
    }
}

template <typename Box>
void fillSpinBox(Box *box)
{
    box->setValue(box->minimum());
    const int lowLength = box->text().size();
    box->setValue(box->maximum());
    if (lowLength > box->text().size())
        box->setValue(box->minimum());
}

} // namespace

QStringList unreadableParts(QWidget *form)
{
    QStringList faults;
    QList<QWidget *> widgets = form->findChildren<QWidget *>();
    widgets.prepend(form);
    for (QWidget *widget : qAsConst(widgets)) {
        if (!widget->isVisible() || (widget->isWindow() && widget != form))
            continue;
        if (auto *edit = qobject_cast<QLineEdit *>(widget))
            checkLineEdit(edit, faults);
        else if (auto *label = qobject_cast<QLabel *>(widget))
            checkLabel(label, faults);
        else if (auto *button = qobject_cast<QAbstractButton *>(widget))
            checkButton(button, faults);
        else if (auto *combo = qobject_cast<QComboBox *>(widget))
            checkComboBox(combo, faults);
        else if (auto *view = qobject_cast<QAbstractItemView *>(widget))
            checkItemView(view, faults);
        if (qobject_cast<QAbstractItemView *>(widget) || qobject_cast<QScrollArea *>(widget))
            checkSideScrolling(static_cast<QAbstractScrollArea *>(widget), faults);
        if (auto *box = qobject_cast<QGroupBox *>(widget))
            checkGroupTitle(box, faults);
        checkLayoutRoom(widget, faults);
        checkSiblings(widget, faults);
    }
    return faults;
}

void fillLongestValues(QWidget *form)
{
    for (QLineEdit *edit : form->findChildren<QLineEdit *>())
        fillLineEdit(edit);
    for (QSpinBox *box : form->findChildren<QSpinBox *>())
        fillSpinBox(box);
    for (QDoubleSpinBox *box : form->findChildren<QDoubleSpinBox *>())
        fillSpinBox(box);
}
