#include "backup/window/TFrmOpenZaloha.h"

#include "core/data/platform/Prompter.h"
#include "widgets/DialogFrame.h"

#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QPushButton>


TFrmOpenZaloha::TFrmOpenZaloha(Prompter &prompter, const Clock &clock, BackupRun::OpenTables tables, QWidget *parent)
    : BackupWindow(QStringLiteral("Otevření zálohy"), QStringLiteral("Otevření zálohy z diskety"),
                   BackupRun::openLines(QString()), prompter, parent),
      m_clock(clock), m_tables(std::move(tables))
{
    setObjectName(QStringLiteral("FrmOpenZaloha"));
    QWidget *help = clickablePicture(
        QStringLiteral("Přepíše stávající soubory ve složkách \\Data\\ a \\VlDb Data\\ a soubor Penezka.ini, tím se obnoví "
                       "uložená konfigurace a data. Aby se otevřená záloha projevila, je třeba program zavřít a znovu "
                       "ho spustit."),
        false);
    help->setObjectName(QStringLiteral("Image1"));
    QLabel *advice = clickableLine(
        QStringLiteral("Doporučujeme otevření zálohy spouštět hned po spuštění ptogramu."),
        QStringLiteral("Doporučujeme aby jste otevírali zálohu hned po spuštění tohoto programu, vyhnete se tak možnému "
                       "problému, že by nešlo soubory přepsat prorože by byli používány."));
    advice->setObjectName(QStringLiteral("LblDoporuceni"));
    QPushButton *open = DialogFrame::button(QStringLiteral("Otevřít zálohu"), QStringLiteral("BtnOtevrit"),
                                            QStringLiteral("Otevřít zálohu z diskety"), this);
    QPushButton *close = DialogFrame::button(QStringLiteral("Zavřít    "), QStringLiteral("BtnZavrit"),
                                             QStringLiteral("Zavřít toto okno"), this);
    connect(open, &QPushButton::clicked, this, [this] { openBackup(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *row = new QHBoxLayout;
    row->addWidget(help);
    row->addWidget(advice, 1);
    static_cast<QBoxLayout *>(layout())->addLayout(row);
    addButtons(open, close);
    mediumChanged();
}

void TFrmOpenZaloha::mediumChanged()
{
    setLineText(BackupRun::ReadingMedium, BackupRun::openLines(medium()).at(BackupRun::ReadingMedium));
}

BackupRun::Outcome TFrmOpenZaloha::openBackup()
{
    if (medium().isEmpty()) {
        prompter().message(QStringLiteral("Vyberte složku, ve které je záloha (například připojený flash disk)."));
        return {};
    }
    return BackupRun::open(QDir::currentPath(), medium(), *this, prompter(), m_clock, m_tables);
}
