#include "calibrationseries.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QWidget>

CalibrationSeries::CalibrationSeries() = default;
CalibrationSeries::CalibrationSeries(const CalibrationSeries &other) = default;
CalibrationSeries &CalibrationSeries::operator=(const CalibrationSeries &other) = default;
CalibrationSeries::~CalibrationSeries() = default;

CalibrationSeries CalibrationSeries::fromForm(const QWidget *form, const QString &set, int channelCount)
{
    CalibrationSeries series;
    const auto name = [&set](const char *pattern, int band, int i) {
        return QString::fromLatin1(pattern).arg(set).arg(band).arg(i);
    };
    for (int band = 1; band <= 2; ++band) {
        QVector<CalibrationEntryWidgets> &widgets = band == 1 ? series.l1 : series.l2;
        widgets.reserve(channelCount);
        for (int i = 0; i < channelCount; ++i) {
            widgets.append(CalibrationEntryWidgets(
                form->findChild<QLineEdit *>(name("edit%1L%2Value_%3", band, i)),
                form->findChild<QLineEdit *>(name("edit%1L%2Std_%3", band, i)),
                form->findChild<QCheckBox *>(name("chBox%1L%2Flag_%3", band, i))));
        }
    }
    return series;
}

int CalibrationSeries::size() const
{
    return l1.size() + l2.size();
}

const CalibrationEntryWidgets &CalibrationSeries::at(int index) const
{
    return index < l1.size() ? l1.at(index) : l2.at(index - l1.size());
}
