#include "shell/window/HelpFile.h"

#include "core/data/platform/Paths.h"
#include "core/data/platform/ProgramFolder.h"

#include <QFileInfo>

namespace HelpFile {

namespace {
const QString Page = QStringLiteral("help/index.html");
}

QString path()
{
    const QString own = Paths::inProgramFolder(Page);
    if (QFileInfo::exists(own))
        return own;
    // A program folder from before the help was delivered.
    const QString delivered = Paths::resolve(ProgramFolder::deliveredFolder(), Page);
    return QFileInfo::exists(delivered) ? delivered : own;
}

} // namespace HelpFile
