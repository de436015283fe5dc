#pragma once

#include <QByteArray>
#include <QMetaType>
#include <QVector>

#include <functional>

#include "binaryconfigurator.h"
#include "hexbytes.h"

// One call of the engine's request methods, as a row of a data-driven table.
using Call = std::function<void(BinaryConfigurator &)>;
Q_DECLARE_METATYPE(Call)

// The double as its 8 little-endian bytes.
QByteArray f64(double value);
// size bytes of a recognisable pattern.
QByteArray pattern(int size, int seed = 1);
// A calibration table, and in wire the same table written field by field.
BinaryConfigurator::CalibrationData calibrationTable(QByteArray *wire);
QVector<bool> trues(int count);

// Rows (call, group, subId, payload): every request and the exact payload it sends.
void addRequestRows();
// Rows (call, payload, expected): every data reply and the signal lines it gives.
void addReplyRows();
