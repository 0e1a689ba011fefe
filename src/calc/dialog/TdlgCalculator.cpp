#include "calc/dialog/TdlgCalculator.h"

#include "widgets/DialogFrame.h"

#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>

namespace {

constexpr int DialogWidth = 222;
constexpr int DialogHeight = 291;
constexpr int KeyWidth = 48;
constexpr int KeyHeight = 28;
constexpr int KeyGap = 6;
constexpr int Margin = 6;

// The dialog's place on screen, kept between openings.
const char PositionSection[] = "Kalkulacka";

RegFlags positionStore() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(PositionSection)); }

struct KeypadKey
{
    const char *name;
    const char *caption;
    const char *hint;
};

// The keypad, row by row.
const KeypadKey keypad[4][4] = {
    {{"Btn1", "1", "1"}, {"Btn2", "2", "2"}, {"Btn3", "3", "3"}, {"BtnDeleno", "/", "děleno"}},
    {{"Btn4", "4", "4"}, {"Btn5", "5", "5"}, {"Btn6", "6", "6"}, {"BtnKrat", "*", "krát"}},
    {{"Btn7", "7", "7"}, {"Btn8", "8", "8"}, {"Btn9", "9", "9"}, {"BtnMinus", "-", "mínus"}},
    {{"Btn0", "0", "0"}, {"BtnTecka", ".", "desetiná čárka"}, {"BtnRovno", "=", ""}, {"BtnPlus", "+", "plus"}},
};

const QString ResultHint = QStringLiteral("výsledek");

} // namespace

TdlgCalculator::TdlgCalculator(QWidget *parent, CalculatorOptions options)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint),
      m_calculator(options)
{
    setObjectName(QStringLiteral("dlgCalculator"));
    new DialogFrame(this); // the shared window background
    setWindowTitle(QStringLiteral("Kalkulačka"));
    setFixedSize(DialogWidth, DialogHeight);

    m_edit = new QLineEdit(this);
    m_edit->setObjectName(QStringLiteral("Edit1"));
    m_edit->setToolTip(QStringLiteral("výpočet"));
    m_edit->setMaxLength(255); // the evaluator's limit
    m_edit->setGeometry(Margin, Margin, DialogWidth - 2 * Margin, 24);
    m_edit->installEventFilter(this);
    connect(m_edit, &QLineEdit::textChanged, this, [this](const QString &text) {
        if (m_updating)
            return;
        m_calculator.setExpression(text);
        showExpression();
    });

    auto *equals = new QLabel(QStringLiteral("="), this);
    equals->setObjectName(QStringLiteral("Label1"));
    equals->setGeometry(Margin, 34, 14, 20);
    QFont bold = equals->font();
    bold.setBold(true);
    equals->setFont(bold);
    m_result = new QLabel(this);
    m_result->setObjectName(QStringLiteral("LblVysledek"));
    m_result->setToolTip(ResultHint);
    m_result->setFont(bold);
    m_result->setGeometry(Margin + 16, 34, DialogWidth - 2 * Margin - 16, 20);
    m_result->setTextInteractionFlags(Qt::TextSelectableByMouse);

    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const KeypadKey &key = keypad[row][column];
            QPushButton *b = button(QLatin1String(key.name), QString::fromUtf8(key.caption), QString::fromUtf8(key.hint),
                                    Margin + column * (KeyWidth + KeyGap), 60 + row * (KeyHeight + 4), KeyWidth);
            if (QLatin1String(key.caption) == QLatin1String("="))
                connect(b, &QPushButton::clicked, this, &TdlgCalculator::EvaluateExp);
            else
                connect(b, &QPushButton::clicked, this, [this, b] { addChar(b->text()); });
        }
    }

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Bevel1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(Margin, 192, DialogWidth - 2 * Margin, 4);

    const int y5 = 200;
    connect(button(QStringLiteral("BtnC"), QStringLiteral("&C"), QStringLiteral("Vymaž obsah"), Margin, y5, KeyWidth),
            &QPushButton::clicked, this, &TdlgCalculator::clearAll);
    connect(button(QStringLiteral("BtnZpet"), QStringLiteral("<----"), QStringLiteral("o číslo zpět"),
                   Margin + (KeyWidth + KeyGap), y5, KeyWidth),
            &QPushButton::clicked, this, &TdlgCalculator::backspace);
    for (int i = 0; i < 2; ++i) {
        const QString caption = i == 0 ? QStringLiteral("(") : QStringLiteral(")");
        QPushButton *b = button(i == 0 ? QStringLiteral("BtnLZavorka") : QStringLiteral("BtnPZavorka"), caption,
                                i == 0 ? QStringLiteral("levá závorka") : QStringLiteral("pravá závorka"),
                                Margin + (2 + i) * (KeyWidth + KeyGap), y5, KeyWidth);
        connect(b, &QPushButton::clicked, this, [this, caption] { addChar(caption); });
    }

    const int y6 = 240;
    const int wide = (DialogWidth - 2 * Margin - 2 * KeyGap) / 3;
    connect(button(QStringLiteral("BtnSchranka"), QStringLiteral("Schránka"), QStringLiteral("Vloží do schránky"), Margin,
                   y6, wide),
            &QPushButton::clicked, this, &TdlgCalculator::copyToClipboard);
    connect(button(QStringLiteral("BtnZavrit"), QStringLiteral("Zavřít"), QStringLiteral("Zavře okno"),
                   Margin + wide + KeyGap, y6, wide),
            &QPushButton::clicked, this, &QDialog::reject);
    QPushButton *enter = button(QStringLiteral("BtnEnter"), QStringLiteral("Enter"), QStringLiteral("Vypočítej"),
                                Margin + 2 * (wide + KeyGap), y6, wide);
    enter->setDefault(true);
    connect(enter, &QPushButton::clicked, this, &TdlgCalculator::EvaluateExp);

    restorePosition();
    m_edit->setFocus();
}

TdlgCalculator::~TdlgCalculator() { savePosition(); }

QPushButton *TdlgCalculator::button(const QString &objectName, const QString &caption, const QString &hint, int x,
                                    int y, int width)
{
    auto *b = new QPushButton(caption, this);
    b->setObjectName(objectName);
    if (!hint.isEmpty())
        b->setToolTip(hint);
    b->setGeometry(x, y, width, KeyHeight);
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus); // the typing stays in the expression box
    return b;
}

QString TdlgCalculator::expressionText() const { return m_edit->text(); }

QString TdlgCalculator::resultText() const { return m_fullResult; }

// The evaluator's messages can be longer than the result line: the line
// shows what fits, and the whole text is the line's hint and status text.
void TdlgCalculator::showResult(const QString &text)
{
    m_fullResult = text;
    const QFontMetrics metrics(m_result->font());
    const int room = m_result->contentsRect().width();
    const bool fits = metrics.horizontalAdvance(text) <= room;
    m_result->setText(fits ? text : metrics.elidedText(text, Qt::ElideRight, room));
    m_result->setToolTip(fits ? ResultHint : text);
    m_result->setStatusTip(fits ? QString() : text);
}

void TdlgCalculator::addChar(const QString &text)
{
    m_calculator.append(text);
    showExpression();
}

// The box shows the calculator's expression with the caret at its end.
void TdlgCalculator::showExpression()
{
    m_updating = true;
    if (m_edit->text() != m_calculator.expression())
        m_edit->setText(m_calculator.expression());
    m_edit->setCursorPosition(int(m_edit->text().size()));
    m_updating = false;
}

void TdlgCalculator::EvaluateExp()
{
    m_calculator.evaluate();
    showResult(m_calculator.result());
}

void TdlgCalculator::copyToClipboard()
{
    const QString text = m_calculator.clipboardText();
    showResult(text);
    QApplication::clipboard()->setText(text);
}

void TdlgCalculator::clearAll()
{
    m_calculator.clear();
    showExpression();
    showResult(QString());
}

void TdlgCalculator::backspace()
{
    m_calculator.backspace();
    showExpression();
}

bool TdlgCalculator::eventFilter(QObject *watched, QEvent *event)
{
    // Releasing Enter in the expression box evaluates; Insert copies.
    if (watched == m_edit && event->type() == QEvent::KeyRelease) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EvaluateExp();
            return true;
        }
    }
    if (watched == m_edit && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true; // evaluated on release, as the default button would twice
        if (key == Qt::Key_Insert) {
            copyToClipboard();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void TdlgCalculator::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("PopupMenu1"));
    menu.addAction(QStringLiteral("Zavřít"), QKeySequence(Qt::Key_Escape), this, &QDialog::reject);
    menu.addAction(QStringLiteral("Výsledek"), QKeySequence(Qt::Key_Return), this, &TdlgCalculator::EvaluateExp);
    menu.addAction(QStringLiteral("Schránka"), QKeySequence(Qt::Key_Insert), this, &TdlgCalculator::copyToClipboard);
    menu.exec(event->globalPos());
}

void TdlgCalculator::restorePosition()
{
    const RegFlags store = positionStore();
    const int left = store.readInteger(QStringLiteral("Vlevo"), Settings::MissingInteger);
    const int top = store.readInteger(QStringLiteral("Nahore"), Settings::MissingInteger);
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    QPoint place(available.center() - QPoint(DialogWidth / 2, DialogHeight / 2));
    // A remembered place counts only while the dialog would be on screen.
    if (left != Settings::MissingInteger && top != Settings::MissingInteger
        && available.contains(QRect(left, top, DialogWidth, DialogHeight)))
        place = QPoint(left, top);
    move(place);
}

void TdlgCalculator::savePosition() const
{
    RegFlags store = positionStore();
    store.writeInteger(QStringLiteral("Vlevo"), x());
    store.writeInteger(QStringLiteral("Nahore"), y());
}
