#include "ireader.h"

iReader::iReader(QObject *parent)
    : QObject(parent)
{
}

iReader::~iReader() = default;
