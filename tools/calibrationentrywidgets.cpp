#include "calibrationentrywidgets.h"

CalibrationEntryWidgets::CalibrationEntryWidgets(QLineEdit *valueEdit, QLineEdit *stdEdit,
                                                 QCheckBox *flagBox)
    : value(valueEdit)
    , std(stdEdit)
    , flag(flagBox)
{
}
