#include "convert/Registration.h"

#include "convert/paradox/FolderImport.h"
#include "core/app/context/AppContext.h"
#include "core/data/platform/Paths.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace {

int importParadox(const QString &value, const QString &startFolder)
{
    const QString folder = QDir(startFolder).absoluteFilePath(value);
    if (!QFileInfo(folder).isDir()) {
        std::fprintf(stderr, "%s\n", qPrintable(QStringLiteral("Složka %1 neexistuje.").arg(QDir::toNativeSeparators(folder))));
        return 1;
    }
    const FolderImport::Summary summary = FolderImport::importFolder(folder, Paths::programFolder());
    std::fprintf(summary.failed > 0 || summary.converted == 0 ? stderr : stdout, "%s\n",
                 qPrintable(FolderImport::summaryText(folder, summary)));
    return summary.failed > 0 || summary.converted == 0 ? 1 : 0;
}

} // namespace

void registerConvert(AppContext &context)
{
    context.commandLineTasks.push_back(
        {QStringLiteral("import-paradox"),
         QStringLiteral("Převede tabulky starého formátu (Paradox) ze složky SLOŽKA do složky programu a vypíše "
                        "souhrn; dosavadní tabulky zůstanou vedle jako *.bak."),
         QStringLiteral("SLOŽKA"), importParadox});
}
