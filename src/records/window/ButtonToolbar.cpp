#include "records/window/ButtonToolbar.h"

#include "widgets/DigitalClock.h"
#include "records/window/Glyphs.h"
#include "widgets/Hints.h"
#include "widgets/LedLamp.h"

#include <QToolButton>

namespace {

struct ButtonDesign
{
    ToolbarControl control;
    const char *objectName;
    const char *caption; // empty: a glyph alone
    const char *hint;
};

const ButtonDesign Buttons[] = {
    {ToolbarControl::BtnHledani, "BtnHledani", "", "Hledat|Prohledá databází použitím textového filtru"},
    {ToolbarControl::BtnFiltrace, "BtnFiltrace", "", "Zobrazit jen vybrané|Zobrazí jen vybrané položky, ostatní skryje"},
    {ToolbarControl::S1, "S1", "", "Na první položku"},
    {ToolbarControl::S3, "S3", "", "Nahoru"},
    {ToolbarControl::S2, "S2", "", "Dolů"},
    {ToolbarControl::S4, "S4", "", "Na poslední položku"},
    {ToolbarControl::E1, "E1", "", "Přidat|Přídat do databáze položku"},
    {ToolbarControl::E2, "E2", "", "Smazat|Smaže aktuální položku"},
    {ToolbarControl::E3, "E3", "", "Zapsat provedené změny"},
    {ToolbarControl::E4, "E4", "", "Stornuje editaci"},
    {ToolbarControl::MenuNastaveni, "MenuNastaveni", "", "Nastavení"},
    {ToolbarControl::MenuGrafu, "MenuGrafu", "", "Otevře menu s grafy|Otevře menu s grafy skupiny"},
    {ToolbarControl::RowColour, "BtnBarva", "", "Barva textu tohoto řádku"},
    {ToolbarControl::BtnZavrit, "BtnZavrit", "Zavřít   ", "Zavře tuto databázi"},
    {ToolbarControl::BtnCalc, "BtnCalc", "Kalkulačka   ", "Otevře kalkulačku"},
};

constexpr ToolbarControl Separators[] = {ToolbarControl::Separator1, ToolbarControl::Separator2,
                                         ToolbarControl::Separator3, ToolbarControl::Separator4};

constexpr int ButtonTop = (ButtonToolbar::Height - ToolbarLayout::ButtonHeight) / 2;

} // namespace

ButtonToolbar::ButtonToolbar(const Clock &clock, QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("ToolBar2"));
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Raised);
    setFixedHeight(Height);

    for (const ButtonDesign &design : Buttons) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(design.objectName));
        button->setIcon(Glyphs::toolbar(design.control));
        button->setIconSize(QSize(16, 16));
        button->setAutoRaise(true);
        button->setFocusPolicy(Qt::NoFocus); // the typing stays in the grid
        const QString caption = QString::fromUtf8(design.caption);
        if (!caption.isEmpty()) {
            button->setText(caption);
            button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
            // The captions fit the design widths in a slightly smaller type.
            QFont small = button->font();
            small.setPixelSize(11);
            button->setFont(small);
        }
        Hints::apply(button, QString::fromUtf8(design.hint));
        m_controls[std::size_t(design.control)] = button;
    }
    button(ToolbarControl::BtnFiltrace)->setCheckable(true);
    // The drop-down buttons show their menu when pressed and do not stay down.
    for (ToolbarControl dropDown : {ToolbarControl::E1, ToolbarControl::MenuNastaveni, ToolbarControl::MenuGrafu})
        button(dropDown)->setPopupMode(QToolButton::InstantPopup);

    int number = 0;
    for (ToolbarControl separator : Separators) {
        auto *line = new QFrame(this);
        line->setObjectName(QStringLiteral("ToolButton%1").arg(++number));
        line->setFrameShape(QFrame::VLine);
        line->setFrameShadow(QFrame::Sunken);
        m_controls[std::size_t(separator)] = line;
    }

    m_clock = new DigitalClock(clock, this);
    m_clock->setObjectName(QStringLiteral("Cas1"));
    Hints::apply(m_clock, QStringLiteral("Čas a budík|Zobrazuje čas, nastavuje budík (klikněte)"));
    m_controls[std::size_t(ToolbarControl::Cas1)] = m_clock;

    m_lamp = new LedLamp(this);
    m_lamp->setObjectName(QStringLiteral("Led1"));
    Hints::apply(m_lamp, QStringLiteral("Led Indikátor Skryté položky|Rozsvítí se (červeně) obsahuje-li skrytá položka data"));
}

QToolButton *ButtonToolbar::button(ToolbarControl control) const
{
    return qobject_cast<QToolButton *>(m_controls[std::size_t(control)]);
}

void ButtonToolbar::apply(const ButtonToolbarPlacement &placement, int lampLeft)
{
    const int lampTop = (Height - ToolbarLayout::LampSize) / 2;
    for (std::size_t i = 0; i < ToolbarControlCount; ++i) {
        const ControlPlacement &place = placement.controls[i];
        QWidget *widget = m_controls[i];
        int width = place.width;
        if (ToolbarControl(i) == ToolbarControl::Cas1)
            width = std::max(0, std::min(width, lampLeft - 4 - place.left));
        widget->setGeometry(place.left, ButtonTop, width, ToolbarLayout::ButtonHeight);
        widget->setVisible(place.visible);
    }
    m_lamp->move(lampLeft, lampTop);
}
