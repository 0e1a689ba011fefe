#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// windows-1250, the code page of the settings files, themes and exports.
namespace CodePage1250 {

// A character that the code page lacks becomes "?".
QByteArray encode(QStringView text);
// Every one of the 256 bytes decodes, so decode and encode give the bytes
// back unchanged.
QString decode(QByteArrayView bytes);

} // namespace CodePage1250
