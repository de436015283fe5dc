#pragma once

class QCheckBox;
class QLineEdit;

// The widgets that show one entry of a calibration table: its value, its standard
// deviation and its check box. The "Current" view has no check boxes, so there the
// flag is null.
struct CalibrationEntryWidgets
{
    CalibrationEntryWidgets() = default;
    CalibrationEntryWidgets(QLineEdit *valueEdit, QLineEdit *stdEdit, QCheckBox *flagBox);

    QLineEdit *value = nullptr;
    QLineEdit *std = nullptr;
    QCheckBox *flag = nullptr;
};
