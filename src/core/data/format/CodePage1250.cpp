#include "core/data/format/CodePage1250.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace CodePage1250 {

namespace {
const char Name[] = "windows-1250";
}

QByteArray encode(QStringView text)
{
    QStringEncoder encoder(Name);
    QByteArray bytes = encoder.encode(text);
    // The converter marks a character the code page lacks with the control
    // byte SUB; a readable "?" is what the user would expect to see.
    bytes.replace('\x1a', '?');
    return bytes;
}

QString decode(QByteArrayView bytes)
{
    // The code page's gaps map to C1 controls, so nothing is lost.
    QStringDecoder decoder(Name);
    return decoder.decode(bytes);
}

} // namespace CodePage1250
