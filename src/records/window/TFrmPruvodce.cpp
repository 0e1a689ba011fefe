#include "records/window/TFrmPruvodce.h"

#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/engine/EngineError.h"
#include "core/data/format/Locale.h"
#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"
#include "widgets/Colours.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLCDNumber>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QLabel *pageTitle(const QString &text, QWidget *parent)
{
    auto *title = new QLabel(text, parent);
    QFont bold = title->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 2);
    title->setFont(bold);
    return title;
}

} // namespace

TFrmPruvodce::TFrmPruvodce(Table &ledger, std::function<QStringList()> texts, Prompter &prompter, const Clock &clock,
                           QWidget *parent)
    : QDialog(parent), m_ledger(ledger), m_texts(std::move(texts)), m_prompter(prompter), m_clock(clock)
{
    setObjectName(QStringLiteral("FrmPruvodce"));
    setWindowTitle(QStringLiteral("Průvodce přidáním položky"));
    auto *frame = new DialogFrame(this);
    frame->setKeys(nullptr, [this] { reject(); });

    m_pages = new QStackedWidget(this);
    m_pages->setObjectName(QStringLiteral("Notebook1"));
    m_pages->setFrameShape(QFrame::StyledPanel);
    Hints::apply(m_pages, QStringLiteral("Průvodce - okno nastavení"));

    // Page 1: where the record goes.
    auto *where = new QWidget(m_pages);
    QLabel *whereTitle = pageTitle(QStringLiteral("Kam vložit novou položku ?"), where);
    Hints::apply(whereTitle, QStringLiteral("Kam vložit ?"));
    m_overwrite = new QRadioButton(QStringLiteral("Přepsat aktuální položku"), where);
    m_overwrite->setObjectName(QStringLiteral("RbPrepsat"));
    Hints::apply(m_overwrite, QStringLiteral("Přepíše položku kde se nachází kursor"));
    m_append = new QRadioButton(QStringLiteral("Vložit za poslední položku"), where);
    m_append->setObjectName(QStringLiteral("RbNakonec"));
    Hints::apply(m_append, QStringLiteral("Vloží za poslední položku"));
    m_insert = new QRadioButton(QStringLiteral("Vložit nad aktuální položku"), where);
    m_insert->setObjectName(QStringLiteral("RbNad"));
    Hints::apply(m_insert, QStringLiteral("Vloží se nad položku kde se nachází kursor"));
    m_append->setChecked(true);
    auto *whereLayout = new QVBoxLayout(where);
    whereLayout->addWidget(whereTitle);
    for (QRadioButton *choice : {m_overwrite, m_append, m_insert})
        whereLayout->addWidget(choice);
    whereLayout->addStretch();

    // Page 2: what it holds.
    auto *what = new QWidget(m_pages);
    QLabel *whatTitle = pageTitle(QStringLiteral("Zaregistrujte záznamy"), what);
    m_date = new QLineEdit(what);
    m_date->setObjectName(QStringLiteral("EditDatum"));
    Hints::apply(m_date, QStringLiteral("Vložte datum"));
    m_text = new QComboBox(what);
    m_text->setObjectName(QStringLiteral("ComboText"));
    m_text->setEditable(true);
    m_text->setInsertPolicy(QComboBox::NoInsert);
    m_text->lineEdit()->setMaxLength(80);
    Hints::apply(m_text, QStringLiteral("Vložte informační text"));
    m_supplement = new QLineEdit(what);
    m_supplement->setObjectName(QStringLiteral("EditDoplnek"));
    m_supplement->setMaxLength(100);
    Hints::apply(m_supplement, QStringLiteral("Vložte text doplňku"));
    m_amount = new QLineEdit(what);
    m_amount->setObjectName(QStringLiteral("EditCastka"));
    Hints::apply(m_amount, QStringLiteral("Vložte částku"));
    auto *whatForm = new QFormLayout;
    const auto row = [&](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, what);
        Hints::apply(label, QStringLiteral("Vložte údaj"));
        whatForm->addRow(label, field);
    };
    row(QStringLiteral("Datum:"), m_date);
    row(QStringLiteral("Text:"), m_text);
    row(QStringLiteral("Doplněk:"), m_supplement);
    row(QStringLiteral("Částka:"), m_amount);
    auto *whatLayout = new QVBoxLayout(what);
    whatLayout->addWidget(whatTitle);
    whatLayout->addLayout(whatForm);
    whatLayout->addStretch();

    // Page 3: the colour of its row.
    auto *colour = new QWidget(m_pages);
    QLabel *colourTitle = pageTitle(QStringLiteral("Jakou barvu použít ?"), colour);
    m_sample = new QLabel(QStringLiteral("Tato barva se použije..."), colour);
    m_sample->setObjectName(QStringLiteral("LblVzorek"));
    Hints::apply(m_sample, QStringLiteral("Tato barva se přiřadí k položce"));
    QFont big = m_sample->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    m_sample->setFont(big);
    m_colourNumber = new QLCDNumber(10, colour);
    m_colourNumber->setObjectName(QStringLiteral("LCDBarva"));
    m_colourNumber->setSegmentStyle(QLCDNumber::Flat);
    m_colourNumber->setMinimumHeight(36);
    Hints::apply(m_colourNumber, QStringLiteral("Číslo barvy"));
    QPushButton *choose = DialogFrame::button(QStringLiteral("Nastavit Barvu"), QStringLiteral("BtnBarva"), QStringLiteral("Vybrat jinou barvu"), colour);
    connect(choose, &QPushButton::clicked, this, &TFrmPruvodce::NastavitBarvu);
    auto *colourLayout = new QVBoxLayout(colour);
    colourLayout->addWidget(colourTitle);
    colourLayout->addWidget(m_sample);
    colourLayout->addWidget(m_colourNumber);
    colourLayout->addWidget(choose, 0, Qt::AlignLeft);
    colourLayout->addStretch();

    m_pages->addWidget(where);
    m_pages->addWidget(what);
    m_pages->addWidget(colour);

    // Both pairs of controls lead back and on.
    QPushButton *back = DialogFrame::button(QStringLiteral("Předchozí  "), QStringLiteral("BtnPredchozi"), QStringLiteral("Pokračovat"), this);
    QPushButton *next = DialogFrame::button(QStringLiteral("Další   "), QStringLiteral("BtnDalsi"), QStringLiteral("Pokračovat"), this);
    QPushButton *cancel = DialogFrame::button(QStringLiteral("Storno    "), QStringLiteral("BtnStorno"), QStringLiteral("Stornovat průvodce"), this);
    auto *arrowBack = new QToolButton(this);
    arrowBack->setObjectName(QStringLiteral("SpeedPredchozi"));
    arrowBack->setArrowType(Qt::LeftArrow);
    arrowBack->setToolTip(QStringLiteral("Předešlá obrazovka"));
    auto *arrowNext = new QToolButton(this);
    arrowNext->setObjectName(QStringLiteral("SpeedDalsi"));
    arrowNext->setArrowType(Qt::RightArrow);
    arrowNext->setToolTip(QStringLiteral("Nasledující obrazovka"));
    for (QAbstractButton *control : std::initializer_list<QAbstractButton *>{back, arrowBack})
        connect(control, &QAbstractButton::clicked, this, &TFrmPruvodce::Predchozi);
    for (QAbstractButton *control : std::initializer_list<QAbstractButton *>{next, arrowNext})
        connect(control, &QAbstractButton::clicked, this, &TFrmPruvodce::Dalsi);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_progress = new QProgressBar(this);
    m_progress->setObjectName(QStringLiteral("ProgressBar1"));
    m_progress->setRange(0, 4);
    m_progress->setTextVisible(false);
    Hints::apply(m_progress, QStringLiteral("Stav"));

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(arrowBack);
    buttons->addWidget(arrowNext);
    buttons->addStretch();
    buttons->addWidget(back);
    buttons->addWidget(next);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, layout);
    layout->addWidget(m_pages, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_progress);
    resize(440, 300);
    showColour(0);
    showPage(0);
}

int TFrmPruvodce::page() const { return m_pages->currentIndex(); }

WizardEntry::Placement TFrmPruvodce::placement() const
{
    if (m_overwrite->isChecked())
        return WizardEntry::Placement::Overwrite;
    if (m_insert->isChecked())
        return WizardEntry::Placement::Insert;
    return WizardEntry::Placement::Append;
}

void TFrmPruvodce::showPage(int page)
{
    m_pages->setCurrentIndex(page);
    m_progress->setValue(page + 1);
}

void TFrmPruvodce::showColour(int number)
{
    m_colourNumber->display(number);
    QPalette colours = m_sample->palette();
    colours.setColor(QPalette::WindowText, Colours::fromValue(m_colour));
    m_sample->setPalette(colours);
}

void TFrmPruvodce::Dalsi()
{
    switch (page()) {
    case 0:
        showPage(1);
        m_date->setText(Locale::date(m_clock.today()));
        m_text->clear();
        m_text->addItems(m_texts ? m_texts() : QStringList());
        m_text->setEditText(QString());
        break;
    case 1:
        showPage(2);
        showColour(0); // the number starts at 0; the colour chosen before still applies
        break;
    default:
        try {
            WizardEntry::write(m_ledger, placement(),
                               {m_date->text(), m_text->currentText(), m_supplement->text(), m_amount->text(), m_colour});
        } catch (const EngineError &error) {
            m_prompter.message(error.message()); // the wizard stays open to put it right
            return;
        }
        m_progress->setValue(4);
        accept();
        break;
    }
}

void TFrmPruvodce::Predchozi()
{
    if (page() > 0)
        showPage(page() - 1);
}

void TFrmPruvodce::NastavitBarvu()
{
    if (const std::optional<int> chosen = m_prompter.chooseColor(m_colour)) {
        m_colour = *chosen;
        showColour(m_colour);
    }
}
