#include "core/data/catalogue/Holders.h"

#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/EngineError.h"
#include "core/data/platform/Prompter.h"
#include "core/data/platform/StatusSink.h"

namespace {

const QString Opening = QStringLiteral("Otevírám databázi...");

// Shows the busy cursor for the lifetime of the object unless released:
// a table that fails to open must not leave the hourglass behind.
class BusyUntilDone
{
public:
    explicit BusyUntilDone(StatusSink &status) : m_status(status) { m_status.setBusy(true); }
    ~BusyUntilDone()
    {
        if (m_failed)
            m_status.setBusy(false);
    }
    void keepBusy() { m_failed = false; }

private:
    StatusSink &m_status;
    bool m_failed = true;
};

} // namespace

TDataModule2::TDataModule2(StatusSink &status, Prompter &prompter, QObject *parent)
    : QObject(parent), m_status(status)
{
    m_table.setObjectName(QStringLiteral("Table1"));
    m_table.setFolder(Catalogue::DataFolder);
    m_table.setTableName(Catalogue::monthFile(1));
    m_table.setFilterCaseInsensitive(true);
    m_table.setErrorHandler([&prompter](Table::Operation operation, const QString &) {
        switch (operation) {
        case Table::Operation::Delete: prompter.message(QStringLiteral("Chyba ve výmazu")); break;
        case Table::Operation::Edit: prompter.message(QStringLiteral("Chyba Editace")); break;
        case Table::Operation::Post: prompter.message(QStringLiteral("Chyba v potvrzování")); break;
        case Table::Operation::Update: prompter.message(QStringLiteral("Chyba aktualizace dat")); break;
        case Table::Operation::Open: break;
        }
    });
}

void TDataModule2::Soubor(const QString &name)
{
    m_status.setStatusText(Opening);
    BusyUntilDone busy(m_status);
    m_table.close();
    m_previousName = m_table.tableName();
    m_table.setTableName(name);
    m_table.open();
    busy.keepBusy(); // the caller resets the cursor
}

void TDataModule2::ZpetSoubor()
{
    m_table.close();
    m_table.setTableName(m_previousName);
    m_table.open();
    m_status.setStatusText(QStringLiteral("Databáze je otevřená"));
}

TDataModule23::TDataModule23(StatusSink &status, QObject *parent) : QObject(parent), m_status(status)
{
    m_table.setObjectName(QStringLiteral("Table1"));
    m_table.setFolder(Catalogue::DataFolder);
    m_table.setTableName(Catalogue::monthFile(1));
    m_table.setFilterCaseInsensitive(true);
}

void TDataModule23::Soubor(const QString &name)
{
    m_status.setStatusText(Opening);
    BusyUntilDone busy(m_status);
    m_table.close();
    m_table.setTableName(name);
    m_table.open();
    busy.keepBusy();
    m_status.setBusy(false);
}

TDataModule12::TDataModule12(StatusSink &status, QObject *parent) : QObject(parent), m_status(status)
{
    m_table.setObjectName(QStringLiteral("Table1"));
    m_table.setFolder(Catalogue::DataFolder);
    m_table.setTableName(QStringLiteral("Položky1.db"));
}

void TDataModule12::Soubor(const QString &name)
{
    m_status.setStatusText(Opening);
    BusyUntilDone busy(m_status);
    m_table.close();
    m_table.setFiltered(false);
    m_table.setTableName(name);
    m_table.open();
    busy.keepBusy();
    m_status.setBusy(false);
    m_status.setStatusText(QString());
}

TDataModule6::TDataModule6(QObject *parent) : QObject(parent)
{
    m_table.setObjectName(QStringLiteral("Table1"));
    m_table.setFolder(Catalogue::PersonalFolder);
    m_table.setTableName(QStringLiteral("TextData.db"));
    m_table.open();
}

QStringList TDataModule6::texts()
{
    QStringList list;
    if (!m_table.isOpen())
        return list;
    m_table.disableControls();
    const int text = m_table.fieldIndex(QStringLiteral("Text"));
    for (m_table.first(); !m_table.eof(); m_table.next())
        list << m_table.field(text).asString();
    m_table.first();
    m_table.enableControls();
    return list;
}
