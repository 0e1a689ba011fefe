#include "records/itemnames/TForm13.h"

#include "core/app/dialogs/ProgramCaption.h"
#include "core/app/commands/MenuCaptions.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/platform/Prompter.h"
#include "records/ledger/ItemNames.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

constexpr int NameLength = 100;
constexpr int ButtonNameLength = 80;

QLineEdit *nameBox(const QString &objectName, const QString &hint, int length, QWidget *parent)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(objectName);
    box->setMaxLength(length);
    Hints::apply(box, hint);
    return box;
}

} // namespace

TForm13::TForm13(Table &names, MenuCaptions &captions, Prompter &prompter, QWidget *parent)
    : EditingDialog(prompter, parent,
                    Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_names(names), m_captions(captions), m_group(ItemNames::groupOf(names.tableName()))
{
    setObjectName(QStringLiteral("Form13"));
    setWindowTitle(QStringLiteral("Jména položek záznamové databáze"));
    auto *frame = new DialogFrame(this);

    auto *title = new QLabel(QStringLiteral("Seznam jmén záznamových položek"), this);
    title->setObjectName(QStringLiteral("Label1"));
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title->setFont(bold);

    const QString groupHint = QStringLiteral("Vložte jméno skupiny");
    m_groupName = nameBox(QStringLiteral("EditSkupina"), groupHint, NameLength, this);
    m_buttonName = nameBox(QStringLiteral("EditTlacitko"), groupHint, ButtonNameLength, this);
    auto *top = new QGridLayout;
    top->addWidget(new QLabel(QStringLiteral("Jméno skupiny:"), this), 0, 0);
    top->addWidget(m_groupName, 0, 1);
    top->addWidget(new QLabel(QStringLiteral("Jméno tlačítka"), this), 0, 2);
    top->addWidget(m_buttonName, 0, 3);

    auto *items = new QGridLayout;
    for (int n = 1; n <= 12; ++n) {
        QLineEdit *box = nameBox(QStringLiteral("EditPolozka%1").arg(n), QStringLiteral("Vložte název"), NameLength, this);
        m_items[std::size_t(n - 1)] = box;
        auto *label = new QLabel(QStringLiteral("Jméno položky %1 :").arg(n), this);
        label->setBuddy(box);
        const int row = (n - 1) % 6;
        const int column = n <= 6 ? 0 : 2;
        items->addWidget(label, row, column);
        items->addWidget(box, row, column + 1);
    }

    auto *close = new QPushButton(QStringLiteral("Zavřít a uložit"), this);
    close->setObjectName(QStringLiteral("ZavritUlozit"));
    Hints::apply(close, QStringLiteral("Zavře a uloží|Zavře okno a uloží nastavení položek"));
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &EditingDialog::writeAndClose);

    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addLayout(items);
    layout->addStretch();
    layout->addWidget(close, 0, Qt::AlignHCenter);
    setFixedSize(562, 353);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // The boxes show the stored names; a table without a row shows them empty.
    m_loading = true;
    if (m_names.isOpen() && m_names.state() == Table::State::Browse)
        m_names.first();
    const ItemNames::Names stored = ItemNames::read(m_names);
    m_groupName->setText(stored.group);
    m_buttonName->setText(stored.button);
    for (int n = 1; n <= 12; ++n)
        itemBox(n)->setText(stored.items[std::size_t(n - 1)]);
    m_loading = false;

    // Each change is stored and shown at once, for this group only.
    connect(m_groupName, &QLineEdit::textChanged, this, [this](const QString &text) {
        store(ItemNames::GroupField, text);
        ItemNames::showGroupName(m_captions, m_group, text);
    });
    connect(m_buttonName, &QLineEdit::textChanged, this, [this](const QString &text) {
        store(ItemNames::ButtonField, text);
        ItemNames::showButtonName(m_captions, m_group, text);
    });
    for (int n = 1; n <= 12; ++n)
        connect(itemBox(n), &QLineEdit::textChanged, this, [this, n](const QString &text) {
            store(ItemNames::itemField(n), text);
            ItemNames::showItemName(m_captions, m_group, n, text);
        });
}

TForm13::~TForm13()
{
    try {
        if (m_names.isOpen() && m_names.state() != Table::State::Browse)
            m_names.post();
    } catch (const EngineError &) {
        m_names.cancel(); // the table has said why
    }
}

void TForm13::store(const QString &field, const QString &text)
{
    if (m_loading || m_group == 0 || !m_names.isOpen())
        return;
    guarded([&] {
        if (m_names.state() == Table::State::Browse)
            m_names.edit(); // an empty table gets its one row here
        m_names.field(field).setString(text);
    });
}

bool TForm13::writePending()
{
    if (m_names.isOpen() && m_names.state() != Table::State::Browse)
        m_names.post();
    return true;
}
