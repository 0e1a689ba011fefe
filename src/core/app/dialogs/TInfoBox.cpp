#include "core/app/dialogs/TInfoBox.h"

#include "widgets/DialogFrame.h"

#include "widgets/AnimatedLabel.h"
#include "widgets/Emblems.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TInfoBox::TInfoBox(const QString &version, const QString &windowsVersion, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("InfoBox"));
    new DialogFrame(this); // the shared window background
    setWindowTitle(QStringLiteral("Informace"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("ProgramIcon"));
    picture->setPixmap(Emblems::programIcon(64));

    auto *name = new AnimatedLabel(QStringLiteral("Rozvahon"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPixelSize(30);
    big.setBold(true);
    name->setFont(big);

    auto *versionLabel = new QLabel(QStringLiteral("Verze ") + version, this);
    versionLabel->setObjectName(QStringLiteral("Version"));
    auto *windowsLabel = new QLabel(QStringLiteral("Windows Verze ") + windowsVersion, this);
    windowsLabel->setObjectName(QStringLiteral("WindowsVersion"));

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *texts = new QVBoxLayout;
    texts->addWidget(name);
    texts->addWidget(versionLabel);
    texts->addWidget(windowsLabel);
    auto *top = new QHBoxLayout;
    top->addWidget(picture, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 18, 20, 14);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
