#include "speedbox.h"

#include <QLineEdit>

#include "appendlog.h"

namespace {

bool hasDecimalMark(const QString &text)
{
    return text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('.'));
}

} // namespace

SpeedBox::SpeedBox(QWidget *parent)
    : QSpinBox(parent)
{
    // The speed changes when the edit ends: a refused text keeps the one from before it.
    setKeyboardTracking(false);
    connect(lineEdit(), &QLineEdit::textEdited, this, [this] { setStyleSheet(QString()); });
}

QValidator::State SpeedBox::validate(QString &input, int &pos) const
{
    if (hasDecimalMark(input))
        return QValidator::Intermediate;
    return QSpinBox::validate(input, pos);
}

void SpeedBox::fixup(QString &input) const
{
    // Qt's own fixup would drop the commas and make it another number.
    if (!hasDecimalMark(input)) {
        QSpinBox::fixup(input);
        return;
    }
    const_cast<SpeedBox *>(this)->setStyleSheet(QStringLiteral("background-color: #ffc0c0;"));
    appendLog(QStringLiteral("Speed \"%1\" refused: not a whole number from %2 to %3; still %4")
                  .arg(input.trimmed())
                  .arg(minimum())
                  .arg(maximum())
                  .arg(value()));
}
