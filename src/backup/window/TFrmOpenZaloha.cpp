#include "backup/window/TFrmOpenZaloha.h"

#include "core/data/platform/Prompter.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"

#include <QBoxLayout>
#include <QDir>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

namespace {

// A line of text that tells more when clicked.
class ClickableLine : public QLabel
{
public:
    ClickableLine(const QString &text, const QString &more, Prompter &prompter, QWidget *parent)
        : QLabel(text, parent), m_more(more), m_prompter(prompter)
    {
        setCursor(Qt::PointingHandCursor);
        Hints::apply(this, QStringLiteral("KLIKNĚTE"));
    }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton)
            m_prompter.message(m_more);
    }

private:
    QString m_more;
    Prompter &m_prompter;
};

} // namespace

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
    auto *advice = new ClickableLine(
        QStringLiteral("Doporučujeme otevření zálohy spouštět hned po spuštění ptogramu."),
        QStringLiteral("Doporučujeme aby jste otevírali zálohu hned po spuštění tohoto programu, vyhnete se tak možnému "
                       "problému, že by nešlo soubory přepsat prorože by byli používány."),
        prompter, this);
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
