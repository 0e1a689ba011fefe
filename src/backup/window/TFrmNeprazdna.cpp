#include "backup/window/TFrmNeprazdna.h"

#include "core/app/dialogs/ProgramCaption.h"
#include "widgets/DialogFrame.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

TFrmNeprazdna::TFrmNeprazdna(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FrmNeprazdna"));
    setWindowTitle(QStringLiteral("Disketa není prázdná..."));
    auto *frame = new DialogFrame(this);
    auto *picture = new QLabel(this);
    picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    auto *text = new QLabel(QStringLiteral("Disketa není prázdná !"), this);
    QFont bold = text->font();
    bold.setBold(true);
    text->setFont(bold);
    const auto choose = [this](const QString &caption, const QString &name, const QString &hint, BackupView::NotEmpty choice) {
        QPushButton *button = DialogFrame::button(caption, name, hint, this);
        connect(button, &QPushButton::clicked, this, [this, choice] {
            m_choice = choice;
            accept();
        });
        return button;
    };
    QPushButton *go = choose(QStringLiteral("Pokračovat"), QStringLiteral("Pokracovat"), QStringLiteral("Jen pokračovat"),
                             BackupView::NotEmpty::Continue);
    QPushButton *clear = choose(QStringLiteral("Vymazat"), QStringLiteral("Vymazat"),
                                QStringLiteral("Vynazat obsah disketu a pokračovat se zálohováním"), BackupView::NotEmpty::Clear);
    QPushButton *stop = choose(QStringLiteral("Stornovat"), QStringLiteral("Stornovat"), QStringLiteral("Stornovat operaci"),
                               BackupView::NotEmpty::Cancel);
    auto *top = new QHBoxLayout;
    top->addWidget(picture);
    top->addWidget(text, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(go);
    buttons->addWidget(clear);
    buttons->addWidget(stop);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addLayout(top);
    layout->addLayout(buttons);
}
