#include "records/payments/TForm17.h"

#include "core/app/dialogs/ProgramCaption.h"
#include "core/app/commands/MenuCaptions.h"
#include "core/data/catalogue/Catalogue.h"
#include "core/data/engine/EngineError.h"
#include "core/data/engine/Table.h"
#include "core/data/engine/TableModel.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"
#include "records/ledger/PaymentTables.h"
#include "widgets/Colours.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"
#include "widgets/TableGrid.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

const QString FlagsHelp = QStringLiteral(
    "Text \"Dat. 1\" určuje položku např. \"Leden\", hodnota \"Ano\" určuje zda byla položka vložena do databáze. "
    "Text \"Ano\" a \"Ne\" můžete libovolně měnit.");

// The label that explains the flags when clicked.
class HelpLabel : public QLabel
{
public:
    HelpLabel(const QString &text, std::function<void()> clicked, QWidget *parent)
        : QLabel(text, parent), m_clicked(std::move(clicked)) {}

protected:
    void mousePressEvent(QMouseEvent *) override { m_clicked(); }

private:
    std::function<void()> m_clicked;
};

// The start date is typed into a drop-down that offers today.
class StartDateDelegate : public QStyledItemDelegate
{
public:
    StartDateDelegate(const Clock &clock, QObject *parent) : QStyledItemDelegate(parent), m_clock(clock) {}

    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        if (index.column() != 0)
            return QStyledItemDelegate::createEditor(parent, option, index);
        auto *combo = new CellComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setFrame(false);
        combo->addItem(Locale::date(m_clock.today()));
        auto *self = const_cast<StartDateDelegate *>(this);
        connect(combo, &QComboBox::activated, self, [self, combo] { emit self->commitData(combo); });
        return combo;
    }
    void setEditorData(QWidget *editor, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            combo->setCurrentIndex(-1);
            combo->setEditText(index.data(Qt::EditRole).toString());
            combo->lineEdit()->selectAll();
            return;
        }
        QStyledItemDelegate::setEditorData(editor, index);
    }
    void setModelData(QWidget *editor, QAbstractItemModel *model, const QModelIndex &index) const override
    {
        if (auto *combo = qobject_cast<QComboBox *>(editor)) {
            if (combo->currentText() != index.data(Qt::EditRole).toString())
                model->setData(index, combo->currentText(), Qt::EditRole);
            return;
        }
        QStyledItemDelegate::setModelData(editor, model, index);
    }

private:
    const Clock &m_clock;
};

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

} // namespace

TForm17::TForm17(const MenuCaptions &captions, Prompter &prompter, const Clock &clock, QWidget *parent)
    : EditingDialog(prompter, parent), m_captions(captions), m_clock(clock), m_payments(std::make_unique<Table>())
{
    setObjectName(QStringLiteral("Form17"));
    setWindowTitle(QStringLiteral("Pravidelné platby"));
    auto *frame = new DialogFrame(this);

    m_payments->setFolder(Catalogue::DataFolder);
    m_payments->setTableName(PaymentTables::fileOf(0));
    m_payments->open();

    QLabel *title = heading(QStringLiteral("Nastavení - Pravidelné platby"), this);
    title->setObjectName(QStringLiteral("Label1"));
    auto *check = new QPushButton(QStringLiteral("Zkontroluj"), this);
    check->setObjectName(QStringLiteral("Zkontroluj"));
    check->setAutoDefault(false);
    Hints::apply(check, QStringLiteral("Zkontroluje a uloží změny v databází, aniž byste museli pohybovat kurzorem databáze."));
    connect(check, &QPushButton::clicked, this, &TForm17::Zkontroluj);

    m_grid = new TableGrid(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_model = new TableModel(*m_payments, {QStringLiteral("P-Datum"), QStringLiteral("K-Datum"), QStringLiteral("Nazev-Pl"),
                                           QStringLiteral("Castka")},
                             this);
    m_model->setHeaders({QStringLiteral("Počáteční datum"), QStringLiteral("Konečné datum"), QStringLiteral("Název platby"),
                         QStringLiteral("Částka")});
    m_model->setErrorReporter([this](const QString &message) { this->prompter().message(message); });
    m_grid->showTable(m_model, [this](const std::function<void()> &work) { return guarded(work); });
    m_grid->setItemDelegate(new StartDateDelegate(m_clock, m_grid));
    const int widths[] = {90, 90, 205, 67}; // the design widths
    for (int column = 0; column < 4; ++column)
        m_grid->setColumnWidth(column, widths[column]);
    m_grid->horizontalHeader()->setStretchLastSection(false);
    m_grid->verticalHeader()->setDefaultSectionSize(m_grid->fontMetrics().height() + 6);
    Hints::apply(m_grid, QStringLiteral("Údaje"));
    QPalette colours = m_grid->palette();
    colours.setColor(QPalette::Base, Colours::fromValue(14286847));
    m_grid->setPalette(colours);

    // The month flags of the current payment.
    auto *flagsLabel = new HelpLabel(QStringLiteral("Informace o položce:"), [this] { this->prompter().message(FlagsHelp); }, this);
    flagsLabel->setObjectName(QStringLiteral("LblInformace"));
    Hints::apply(flagsLabel, QStringLiteral("Informace zda byla položka připsána do skupiny databáze."));
    m_flags = new QTableWidget(2, 12, this);
    m_flags->setObjectName(QStringLiteral("StringGrid1"));
    m_flags->horizontalHeader()->hide();
    m_flags->verticalHeader()->hide();
    Hints::apply(m_flags, QStringLiteral("Hodnota \"Ano\" určuje že položka byla přídána do skupiny databáze, opakem je hodnota \"Ne\"."));
    for (int column = 0; column < 12; ++column) {
        auto *caption = new QTableWidgetItem(QStringLiteral("Dat. %1").arg(column + 1));
        caption->setFlags(Qt::ItemIsEnabled);
        m_flags->setItem(0, column, caption);
        m_flags->setItem(1, column, new QTableWidgetItem);
        m_flags->setColumnWidth(column, std::max(46, m_flags->fontMetrics().horizontalAdvance(QStringLiteral("Dat. 12")) + 12));
    }
    m_flags->setFixedHeight(2 * m_flags->rowHeight(0) + 4);
    connect(m_flags, &QTableWidget::itemChanged, this, [this](QTableWidgetItem *item) {
        if (!m_showingFlags && item->row() == 1)
            flagEdited(item->column());
    });

    // The payments of every group whose time is over.
    QLabel *expiredLabel = heading(QStringLiteral("Platnost vypršela těmto položkám:"), this);
    m_expired = new QTableWidget(1, 5, this);
    m_expired->setObjectName(QStringLiteral("StringGrid2"));
    m_expired->horizontalHeader()->hide();
    m_expired->setEditTriggers(QAbstractItemView::NoEditTriggers);
    Hints::apply(m_expired, QStringLiteral("Seznam položek kterým vypršela platnost"));
    const QStringList headers{QStringLiteral("Databáze"), QStringLiteral("Poč. Datum"), QStringLiteral("Kon. Datum"),
                              QStringLiteral("Název platby"), QStringLiteral("Částka")};
    for (int column = 0; column < 5; ++column)
        m_expired->setItem(0, column, new QTableWidgetItem(headers[column]));
    m_expired->setColumnWidth(3, 160);

    // Closing, choosing the group, deleting.
    auto *close = new QPushButton(QStringLiteral("Zavřít    "), this);
    close->setObjectName(QStringLiteral("Zavrit"));
    close->setAutoDefault(false);
    Hints::apply(close, QStringLiteral("Zavře okno"));
    connect(close, &QPushButton::clicked, this, &EditingDialog::writeAndClose);
    m_groups = new QComboBox(this);
    m_groups->setObjectName(QStringLiteral("ComboBox1"));
    Hints::apply(m_groups, QStringLiteral("Vyberte skupinu databáze"));
    m_groups->addItems({QStringLiteral("Měsíční databáze"), m_captions.group(1), m_captions.group(2)});
    connect(m_groups, &QComboBox::activated, this, &TForm17::chooseGroup);
    auto *remove = new QPushButton(QStringLiteral("Smazat položku"), this);
    remove->setObjectName(QStringLiteral("SmazatPolozku"));
    remove->setAutoDefault(false);
    Hints::apply(remove, QStringLiteral("Smaže aktuální položku"));
    connect(remove, &QPushButton::clicked, this, &TForm17::deleteCurrent);

    for (auto signal : {&Table::afterScroll, &Table::afterInsert, &Table::afterDelete, &Table::controlsReset})
        connect(m_payments.get(), signal, this, &TForm17::showFlags);
    // Every post of a payment may change what has expired: listed once the
    // post is over.
    connect(m_payments.get(), &Table::afterPost, this, [this] {
        showFlags();
        if (m_listQueued)
            return;
        m_listQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_listQueued = false;
            listExpired();
        });
    });

    auto *top = new QHBoxLayout;
    top->addWidget(title);
    top->addStretch();
    top->addWidget(check);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(close);
    bottom->addStretch();
    bottom->addWidget(new QLabel(QStringLiteral("Jméno skupiny databáze:"), this));
    bottom->addWidget(m_groups);
    bottom->addWidget(remove);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addLayout(top);
    layout->addWidget(m_grid, 2);
    layout->addWidget(flagsLabel);
    layout->addWidget(m_flags);
    layout->addWidget(expiredLabel);
    layout->addWidget(m_expired, 1);
    layout->addLayout(bottom);
    resize(std::max(600, 12 * m_flags->columnWidth(0) + 30), 560);

    showFlags();
    listExpired();
}

TForm17::~TForm17()
{
    m_grid->commitOpenEditor();
    try {
        if (m_payments->state() != Table::State::Browse)
            m_payments->post();
    } catch (const EngineError &) {
        m_payments->cancel(); // the table has said why
    }
    m_payments->disconnect(this);
    m_payments->close();
}

bool TForm17::writePending()
{
    if (!m_grid->commitOpenEditor())
        return false;
    if (m_payments->state() != Table::State::Browse)
        m_payments->post();
    return true;
}

void TForm17::showFlags()
{
    m_showingFlags = true;
    const QStringList texts = PaymentTables::flagTexts(PaymentTables::flagsOf(*m_payments));
    for (int column = 0; column < 12; ++column)
        m_flags->item(1, column)->setText(m_payments->controlCurrentRow() >= 0 ? texts[column] : QString());
    m_showingFlags = false;
}

void TForm17::flagEdited(int)
{
    if (m_payments->controlCurrentRow() < 0)
        return;
    QStringList texts;
    for (int column = 0; column < 12; ++column)
        texts << m_flags->item(1, column)->text();
    // Written by the next post.
    guarded([&] { PaymentTables::setFlags(*m_payments, PaymentTables::flagsFrom(texts)); });
}

void TForm17::listExpired()
{
    std::array<QString, PaymentTables::Count> names{QStringLiteral("Měsíční"), m_captions.group(1), m_captions.group(2)};
    QList<PaymentTables::ExpiredRow> rows;
    if (!guarded([&] { rows = PaymentTables::expired(m_clock.today(), names); }))
        return;
    m_expired->setRowCount(1 + int(rows.size()));
    for (int i = 0; i < rows.size(); ++i) {
        const PaymentTables::ExpiredRow &row = rows[i];
        const QStringList cells{row.group, row.start, row.end, row.name, row.amount};
        for (int column = 0; column < 5; ++column)
            m_expired->setItem(i + 1, column, new QTableWidgetItem(cells[column]));
    }
}

void TForm17::Zkontroluj()
{
    if (writeAll())
        listExpired();
}

void TForm17::chooseGroup(int index)
{
    if (index < 0 || index >= PaymentTables::Count || !writeAll())
        return;
    guarded([&] {
        m_payments->close();
        m_payments->setTableName(PaymentTables::fileOf(index));
        m_payments->open();
    });
    showFlags();
}

void TForm17::deleteCurrent()
{
    if (!m_grid->commitOpenEditor())
        return;
    guarded([this] { PaymentTables::removeCurrent(*m_payments, prompter()); });
}
