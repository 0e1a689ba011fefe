#include "core/app/QtCzech.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installQtCzech()
{
    static QTranslator *translator = nullptr;
    if (translator)
        return true;
    auto *candidate = new QTranslator(QCoreApplication::instance());
    // qtbase_cs holds the texts of Qt's widgets and dialogs.
    if (!candidate->load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete candidate;
        return false;
    }
    QCoreApplication::installTranslator(candidate);
    translator = candidate;
    return true;
}
