#pragma once

#include <QString>

// Why a table could not be converted, in the program's words.
struct ConversionError
{
    QString message;
    QString field = {}; // the field it is about, when it is about one
};
