#include "iparser.h"

iParser::iParser(QObject *parent)
    : QObject(parent)
{
}

iParser::~iParser() = default;
