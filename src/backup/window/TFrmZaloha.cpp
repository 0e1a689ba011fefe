#include "backup/window/TFrmZaloha.h"

#include "core/data/platform/Prompter.h"
#include "widgets/DialogFrame.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

TFrmZaloha::TFrmZaloha(Prompter &prompter, QWidget *parent)
    : BackupWindow(QStringLiteral("Zálohování dat ze všech databází"), QStringLiteral("Záloha dat na disketu"),
                   BackupRun::makeLines(QString()), prompter, parent)
{
    setObjectName(QStringLiteral("FrmZaloha"));
    QWidget *warning = clickablePicture(
        QStringLiteral("UPOZORNĚNÍ: Záloha dat na disketu nemusí být vždy 100%. Na disketě může nastat chyba integrity "
                       "dat, a bez software na opravu disket budete berzadní. Proto doporučujeme vytvořit zálohu na "
                       "více disketách."),
        true);
    warning->setObjectName(QStringLiteral("Image1"));
    QPushButton *make = DialogFrame::button(QStringLiteral("Vytvoř zálohu  "), QStringLiteral("BtnZaloha"),
                                            QStringLiteral("Vytvořit zálohu na disketu"), this);
    QPushButton *close = DialogFrame::button(QStringLiteral("Zavřít    "), QStringLiteral("BtnZavrit"),
                                             QStringLiteral("Zavřít okno zálohy"), this);
    connect(make, &QPushButton::clicked, this, [this] { makeBackup(); });
    connect(close, &QPushButton::clicked, this, &QDialog::close);
    auto *pictureRow = new QHBoxLayout;
    pictureRow->addWidget(warning);
    pictureRow->addStretch();
    static_cast<QBoxLayout *>(layout())->addLayout(pictureRow);
    addButtons(make, close);
    mediumChanged();
}

void TFrmZaloha::mediumChanged() { setLineText(BackupRun::CheckMedium, BackupRun::makeLines(medium()).at(BackupRun::CheckMedium)); }

BackupRun::Outcome TFrmZaloha::makeBackup()
{
    if (medium().isEmpty()) {
        prompter().message(QStringLiteral("Vyberte složku, do které se má záloha uložit (například připojenou "
                                          "flash disk)."));
        return {};
    }
    const QStringList lines = BackupRun::makeLines(medium());
    for (int line = 0; line < lines.size(); ++line) {
        setLineText(line, lines[line]);
        setLine(line, State::Normal);
    }
    return BackupRun::make(QDir::currentPath(), medium(), *this, prompter());
}
