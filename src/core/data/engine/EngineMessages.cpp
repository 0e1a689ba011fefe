#include "core/data/engine/EngineMessages.h"

#include "core/data/engine/EngineError.h"

#include <sqlite3.h>

namespace EngineMessages {

// What a failure of SQLite means for the user, in the program's words;
// SQLite's own text follows as a detail.
QString explain(const EngineError &error, const QString &shown)
{
    QString text;
    switch (error.sqliteCode() & 0xff) {
    case SQLITE_NOTADB:
        text = QStringLiteral("Soubor %1 není tabulka programu Rozvahon nebo je poškozený. Obnovte jej ze zálohy.");
        break;
    case SQLITE_CORRUPT:
        text = QStringLiteral("Tabulka %1 je poškozená. Obnovte ji ze zálohy.");
        break;
    case SQLITE_FULL:
        text = QStringLiteral("Na disku není dost místa, do tabulky %1 nelze zapsat. Uvolněte místo na disku a akci "
                              "opakujte; tabulka zůstala tak, jak byla.");
        break;
    case SQLITE_READONLY:
        text = QStringLiteral("Do tabulky %1 nelze zapisovat: soubor nebo jeho složka je jen pro čtení. Povolte zápis "
                              "a akci opakujte.");
        break;
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        text = QStringLiteral("Tabulku %1 právě používá jiný program. Zkuste to za chvíli znovu.");
        break;
    case SQLITE_CANTOPEN:
        text = QStringLiteral("Tabulku %1 nelze otevřít: soubor není přístupný. Zkontrolujte, zda existuje a zda k němu "
                              "máte práva.");
        break;
    case SQLITE_PERM:
    case SQLITE_AUTH:
        text = QStringLiteral("K tabulce %1 nemáte přístupová práva.");
        break;
    case SQLITE_IOERR:
        text = QStringLiteral("Při čtení nebo zápisu tabulky %1 nastala chyba disku. Zkontrolujte disk a akci opakujte.");
        break;
    case SQLITE_CONSTRAINT:
        text = QStringLiteral("Záznam nelze do tabulky %1 zapsat, porušuje její pravidla.");
        break;
    case SQLITE_NOMEM:
        text = QStringLiteral("Pro práci s tabulkou %1 není dost paměti. Zavřete jiné programy a akci opakujte.");
        break;
    default:
        if (error.sqliteCode() == 0)
            return error.message();
        text = QStringLiteral("Chyba při práci s tabulkou %1.");
        break;
    }
    return text.arg(shown) + QStringLiteral("\n(Podrobnosti: ") + error.message() + QLatin1Char(')');
}

} // namespace EngineMessages
