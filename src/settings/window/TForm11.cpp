#include "settings/window/TForm11.h"

#include "core/app/context/AppContext.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/platform/Paths.h"
#include "core/data/platform/Prompter.h"
#include "settings/store/SettingsLists.h"
#include "settings/store/Themes.h"
#include "settings/window/ColourList.h"
#include "widgets/CaptionBand.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"
#include "widgets/LedLamp.h"
#include "widgets/WindowBackground.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

const QString ThemeFilter = QStringLiteral("Témata vzhledu programu (*.vzd);;Všechny soubory (*)");
const QString FallbackTexture = QStringLiteral("Textura.bmp");

// "Ukázka": a sample of the shared window background.
class Sample final : public QFrame
{
public:
    explicit Sample(QWidget *parent) : QFrame(parent)
    {
        setObjectName(QStringLiteral("Ukazka"));
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setMinimumSize(120, 60);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter painter(this);
            WindowBackground::shared().paint(painter, rect());
        }
        QFrame::paintEvent(event);
    }
};

// A page of the dialog, on the shared window background.
class BackgroundPage final : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        WindowBackground::shared().paint(painter, rect());
    }
};

QGroupBox *group(const QString &title, QWidget *parent)
{
    auto *box = new QGroupBox(title, parent);
    new QVBoxLayout(box);
    return box;
}

QVBoxLayout *column(QWidget *page)
{
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->setSpacing(6);
    return layout;
}

// The working folder, put back after a file dialog.
class KeptFolder
{
public:
    KeptFolder() : m_folder(QDir::currentPath()) {}
    ~KeptFolder() { QDir::setCurrent(m_folder); }

private:
    QString m_folder;
};

} // namespace

TForm11::TForm11(AppContext &context, Prompter &prompter, QWidget *parent)
    : QDialog(parent), m_context(context), m_prompter(prompter),
      m_settings(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni))
{
    setObjectName(QStringLiteral("Form11"));
    setWindowTitle(QStringLiteral("Nastavení"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setModal(false);

    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 8);
    auto *frame = new DialogFrame(this);
    frame->setKeys(nullptr, [this] { hide(); });
    m_captionBand = new CaptionBand(this, true, QColor(Qt::blue), this);
    outer->addWidget(m_captionBand);

    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("PageControl1"));
    m_pages->addTab(menuPage(), QStringLiteral("Zobrazení v menu"));
    m_pages->addTab(displayPage(), QStringLiteral("Nastavení zobrazení "));
    m_pages->addTab(titleBarPage(), QStringLiteral("Grafika okna"));
    m_pages->addTab(buttonsPage(), QStringLiteral("Grafika tlačítek"));
    m_pages->addTab(windowsPage(), QStringLiteral("Grafika oken"));
    m_pages->addTab(otherPage(), QStringLiteral("Další funkce"));
    outer->addWidget(m_pages, 1);

    QPushButton *ok = DialogFrame::button(QStringLiteral("OK"), QStringLiteral("OK"),
                                          QStringLiteral("Zavře okno Nastavení|Zavře toto okno Nastavení"), this);
    connect(ok, &QPushButton::clicked, this, &QDialog::hide);
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(ok);
    row->setContentsMargins(8, 0, 8, 0);
    outer->addLayout(row);
    refreshCaption();
    resize(417, 313);
}

IniStore &TForm11::settings()
{
    // The file the main window named in "Directory", the same as its own.
    const QString directory = m_settings.read(Key::Directory);
    if (!SettingsStore::isMissing(directory) && QFileInfo(directory).isFile())
        m_settings.setFileName(directory);
    return m_settings;
}

// ---- pages ----------------------------------------------------------------

QCheckBox *TForm11::addCheck(BoolKey key, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QLatin1String(key.name));
    connect(box, &QCheckBox::toggled, this, [this, key](bool on) { checkToggled(key, on); });
    m_checks.push_back({key, box});
    if (parent->layout())
        parent->layout()->addWidget(box);
    return box;
}

ColourList *TForm11::addColour(ColorKey key, QWidget *parent)
{
    auto *list = new ColourList(m_prompter, QLatin1String(key.name), parent);
    connect(list, &ColourList::chosen, this, [this, key](int value) {
        settings().write(key, value);
        if (QLatin1String(key.name) == QLatin1String(Key::GradientColor.name))
            refreshCaption();
    });
    m_colours.push_back({key, list});
    return list;
}

QSpinBox *TForm11::addCount(IntKey key, int shownWhenMissing, QWidget *parent)
{
    auto *box = new QSpinBox(parent);
    box->setObjectName(QLatin1String(key.name));
    box->setRange(-99999, 99999); // no bounds: the gradient takes 2 to 255
    m_counts.push_back({key, box, shownWhenMissing});
    return box;
}

QComboBox *TForm11::addStyle(IntKey key, const QString &name, QWidget *parent)
{
    auto *list = new QComboBox(parent);
    list->setObjectName(name);
    list->addItems(SettingsLists::styleNames());
    list->setCurrentIndex(-1);
    connect(list, &QComboBox::activated, this, [this, key](int index) {
        if (index >= 0)
            settings().write(key, SettingsLists::storedStyleAt(index));
    });
    return list;
}

QWidget *TForm11::menuPage()
{
    auto *page = new BackgroundPage;
    QVBoxLayout *layout = column(page);
    QGroupBox *tables = group(QStringLiteral("Zobrazení databází :"), page);
    addCheck(Key::DatabazeMesic, QStringLiteral("Zobrazovat měsíční databázi v menu"), tables);
    addCheck(Key::DatabazeUzv, QStringLiteral("Zobrazovat skupinu databáze 1 v menu"), tables);
    addCheck(Key::DatabazeUzv2, QStringLiteral("Zobrazovat skupinu databáze 2 v menu"), tables);
    addCheck(Key::RAdrTel, QStringLiteral("Zobrazovat ryhlotlačítka Adresy a Tel. Seznam"), tables);
    addCheck(Key::StaraDat01, QStringLiteral("Zobrazovat loňskou databázi (je-li přítomna)"), tables);
    layout->addWidget(tables);
    QGroupBox *editing = group(QStringLiteral("Zobrazení editační databáze :"), page);
    addCheck(Key::MenOkn, QStringLiteral("Zobrazovat menší okno editační databáze"), editing);
    layout->addWidget(editing);

    auto *row = new QHBoxLayout;
    QGroupBox *consumption = new QGroupBox(QStringLiteral("Zobrazení spotřeby :"), page);
    auto *grid = new QFormLayout(consumption);
    const std::pair<BoolKey, const char *> kinds[] = {
        {Key::Esp, "spotřeby"}, {Key::Voda, "spotřeby vody"}, {Key::Elekt, "spotřeby elektřiny"}, {Key::Plyn, "spotřeby plynu"}};
    for (const auto &[key, label] : kinds)
        grid->addRow(addCheck(key, QStringLiteral("Zobrazovat evidenci"), consumption),
                     new QLabel(QString::fromUtf8(label), consumption));
    row->addWidget(consumption);
    QGroupBox *exit = group(QStringLiteral("Rychlé ukončení :"), page);
    addCheck(Key::X, QStringLiteral("Zobr. v menu položku 'X'"), exit);
    row->addWidget(exit, 0, Qt::AlignTop);
    layout->addLayout(row);
    layout->addStretch();
    return page;
}

QWidget *TForm11::displayPage()
{
    auto *page = new BackgroundPage;
    QVBoxLayout *layout = column(page);
    QGroupBox *basic = group(QStringLiteral("Zakladní zobrazení :"), page);
    addCheck(Key::StatusBar1, QStringLiteral("Zobrazovat Stavový řádek"), basic);
    addCheck(Key::TrayIcon1, QStringLiteral("Zobrazovat Ikonu v hlavním panelu"), basic);
    addCheck(Key::RychloTl, QStringLiteral("Zobrazovat rychlotlačítka v Hlavním okně"), basic);
    addCheck(Key::Tipy, QStringLiteral("Zobrazovat tipy při spuštění"), basic);
    addCheck(Key::TlPr, QStringLiteral("Zobrazovat tlačítka spořiče v pruhu okna"), basic);
    layout->addWidget(basic);
    QGroupBox *themes = new QGroupBox(QStringLiteral("Témata vzhledu :"), page);
    auto *buttons = new QHBoxLayout(themes);
    const std::tuple<const char *, const char *, void (TForm11::*)()> actions[] = {
        {"Otevřít", "OtevritTema", &TForm11::openTheme},
        {"Uložit", "UlozitTema", &TForm11::saveTheme},
        {"Standardní", "StandardniTema", &TForm11::standardTheme}};
    for (const auto &[caption, name, run] : actions) {
        QPushButton *button = DialogFrame::button(QString::fromUtf8(caption), QLatin1String(name), QString(), themes);
        connect(button, &QPushButton::clicked, this, run);
        buttons->addWidget(button);
    }
    layout->addWidget(themes);
    layout->addStretch();
    return page;
}

QWidget *TForm11::titleBarPage()
{
    auto *page = new BackgroundPage;
    QVBoxLayout *layout = column(page);
    QGroupBox *bar = new QGroupBox(QStringLiteral("Pruh okna :"), page);
    auto *barForm = new QFormLayout(bar);
    barForm->addRow(addCheck(Key::GradientCaption1, QStringLiteral("Zobrazovat Stoupání barev v pruhu Okna"), bar));
    barForm->addRow(QStringLiteral("Barva :"), addColour(Key::GradientColor, bar));
    layout->addWidget(bar);
    QGroupBox *background = new QGroupBox(QStringLiteral("Pozadí :"), page);
    auto *form = new QFormLayout(background);
    form->addRow(addCheck(Key::GradientBckg1, QStringLiteral("Zobrazovat stoupání barev v hlavním okně místo obrázku"),
                          background));
    form->addRow(QStringLiteral("První barva :"), addColour(Key::BkgStartColor, background));
    form->addRow(QStringLiteral("Poslední barva :"), addColour(Key::BkgEndColor, background));
    auto *steps = new QHBoxLayout;
    QSpinBox *count = addCount(Key::BckgColors, 100, background);
    QPushButton *set = DialogFrame::button(QStringLiteral("Nastav barvy"), QStringLiteral("NastavBarvyPozadi"), {}, background);
    connect(set, &QPushButton::clicked, this, [this, count] { settings().write(Key::BckgColors, count->value()); });
    steps->addWidget(count);
    steps->addWidget(set);
    form->addRow(QStringLiteral("Počet barev :"), steps);
    layout->addWidget(background);
    layout->addStretch();
    return page;
}

QWidget *TForm11::buttonsPage()
{
    auto *page = new BackgroundPage;
    QVBoxLayout *layout = column(page);
    QGroupBox *buttons = new QGroupBox(QStringLiteral("Tlačítka :"), page);
    auto *form = new QFormLayout(buttons);
    form->addRow(QStringLiteral("První Barva :"), addColour(Key::BtnColor1, buttons));
    form->addRow(QStringLiteral("Poslední Barva :"), addColour(Key::BtnColor2, buttons));
    m_buttonStyle = addStyle(Key::BtnStyl, QStringLiteral("TypTlacitek"), buttons);
    form->addRow(QStringLiteral("Typ zobrazení :"), m_buttonStyle);
    auto *steps = new QHBoxLayout;
    QSpinBox *count = addCount(Key::BtnColor, 35, buttons);
    QPushButton *set = DialogFrame::button(QStringLiteral("Nastavit barvy"), QStringLiteral("NastavBarvyTlacitek"), {}, buttons);
    connect(set, &QPushButton::clicked, this, [this, count] { settings().write(Key::BtnColor, count->value()); });
    steps->addWidget(count);
    steps->addWidget(set);
    form->addRow(QStringLiteral("Počet barev:"), steps);
    layout->addWidget(buttons);
    layout->addStretch();
    return page;
}

QWidget *TForm11::windowsPage()
{
    auto *page = new BackgroundPage;
    QVBoxLayout *layout = column(page);
    QGroupBox *windows = new QGroupBox(QStringLiteral("Pozadí oken :"), page);
    auto *form = new QFormLayout(windows);
    form->addRow(QStringLiteral("První barva:"), addColour(Key::OknoCl1, windows));
    form->addRow(QStringLiteral("Poslední barva:"), addColour(Key::OknoCl2, windows));
    m_windowStyle = addStyle(Key::OknoStyl, QStringLiteral("TypOken"), windows);
    form->addRow(QStringLiteral("Typ Zobrazení :"), m_windowStyle);
    auto *steps = new QHBoxLayout;
    QSpinBox *count = addCount(Key::OknoClx, 35, windows);
    QPushButton *set = DialogFrame::button(QStringLiteral("Nastavit barvy"), QStringLiteral("NastavBarvyOken"), {}, windows);
    connect(set, &QPushButton::clicked, this, [this, count] { settings().write(Key::OknoClx, count->value()); });
    steps->addWidget(count);
    steps->addWidget(set);
    form->addRow(QStringLiteral("Počet barev :"), steps);
    m_windowForm = new QComboBox(windows);
    m_windowForm->setObjectName(QStringLiteral("FormaZobrazeni"));
    m_windowForm->addItems({QStringLiteral("Stoupání barev"), QStringLiteral("Textura")});
    m_windowForm->setCurrentIndex(-1);
    connect(m_windowForm, &QComboBox::activated, this, [this](int index) {
        if (index >= 0)
            settings().write(Key::FrmZobr, index);
    });
    form->addRow(QStringLiteral("Forma zobrazení :"), m_windowForm);
    auto *texture = new QHBoxLayout;
    QPushButton *open = DialogFrame::button(QStringLiteral("Otevřít BMP"), QStringLiteral("OtevritBMP"), {}, windows);
    connect(open, &QPushButton::clicked, this, &TForm11::openTexture);
    auto *only = new QLabel(QStringLiteral("Pouze vedle sebe !"), windows);
    QPalette red = only->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    only->setPalette(red);
    texture->addWidget(open);
    texture->addWidget(only);
    form->addRow(texture);
    form->addRow(QStringLiteral("Ukázka"), new Sample(windows));
    layout->addWidget(windows);
    layout->addStretch();
    return page;
}

QWidget *TForm11::otherPage()
{
    auto *page = new BackgroundPage;
    QVBoxLayout *layout = column(page);
    QGroupBox *electricity = group(QStringLiteral("Spotřeba elektřiny:"), page);
    addCheck(Key::SNoc, QStringLiteral("Spotřeba elektřiny s nočním proudem"), electricity);
    layout->addWidget(electricity);
    QGroupBox *pictures = group(QStringLiteral("Grafika :"), page);
    addCheck(Key::Scr, QStringLiteral("Před otevřením okna zobrazovat grafiku"), pictures);
    layout->addWidget(pictures);
    QGroupBox *graphs = group(QStringLiteral("Grafy :"), page);
    addCheck(Key::GrPol, QStringLiteral("Položkové grafy v křivkovém grafu (požky se nesčítají)"), graphs);
    layout->addWidget(graphs);

    QGroupBox *password = new QGroupBox(QStringLiteral("Heslo :"), page);
    auto *form = new QFormLayout(password);
    m_password = new QLineEdit(password);
    m_password->setObjectName(QStringLiteral("Heslo1"));
    m_password->setEchoMode(QLineEdit::Password);
    Hints::apply(m_password, QStringLiteral("Napište heslo"));
    m_passwordAgain = new QLineEdit(password);
    m_passwordAgain->setObjectName(QStringLiteral("Heslo2"));
    m_passwordAgain->setEchoMode(QLineEdit::Password);
    Hints::apply(m_passwordAgain, QStringLiteral("Napište heslo znovu"));
    auto *boxes = new QHBoxLayout;
    boxes->addWidget(m_password);
    boxes->addWidget(m_passwordAgain);
    form->addRow(QStringLiteral("Vložte heslo:"), boxes);
    m_lamp = new LedLamp(password);
    m_lamp->setObjectName(QStringLiteral("Kontrolka"));
    Hints::apply(m_lamp, QStringLiteral("Kontrolka. Zelené - Heslo není nastaveno. Červené - Heslo je nastaveno"));
    auto *controls = new QHBoxLayout;
    controls->addWidget(m_lamp);
    QPushButton *save = DialogFrame::button(QStringLiteral("Uložit heslo"), QStringLiteral("UlozitHeslo"), {}, password);
    QPushButton *cancel = DialogFrame::button(QStringLiteral("Zrušit heslo"), QStringLiteral("ZrusitHeslo"), {}, password);
    connect(save, &QPushButton::clicked, this, &TForm11::savePassword);
    connect(cancel, &QPushButton::clicked, this, &TForm11::cancelPassword);
    controls->addWidget(save);
    controls->addWidget(cancel);
    controls->addStretch();
    form->addRow(QStringLiteral("Kontrola:"), controls);
    form->addRow(new QLabel(QStringLiteral("Pokud zapomenete heslo užijte program  Zapomnik.exe"), password));
    layout->addWidget(password);
    layout->addStretch();
    return page;
}

// ---- filling and changes ---------------------------------------------------

void TForm11::showEvent(QShowEvent *event)
{
    fill();
    QDialog::showEvent(event);
}

void TForm11::changeEvent(QEvent *event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        fill();
}

void TForm11::fill()
{
    m_filling = true;
    IniStore &store = settings();
    const auto showStyle = [&store](QComboBox *list, IntKey key) {
        // Values outside 0 to 12 leave the list as it is.
        if (const std::optional<int> index = SettingsLists::styleIndexOf(store.read(key))) {
            const QSignalBlocker quiet(list);
            list->setCurrentIndex(*index);
        }
    };
    showStyle(m_buttonStyle, Key::BtnStyl);
    for (const Count &count : m_counts) {
        const int value = store.read(count.key);
        const QSignalBlocker quiet(count.box);
        count.box->setValue(value == Settings::MissingInteger ? count.shownWhenMissing : value);
    }
    for (const Colour &colour : m_colours) {
        const int value = store.read(colour.key);
        colour.list->showColour(value == Settings::MissingInteger ? std::nullopt : std::optional<int>(value));
    }
    showStyle(m_windowStyle, Key::OknoStyl);

    // The texture must be readable; the delivered one stands in otherwise.
    const QString texture = store.read(Key::Textura);
    if (!SettingsStore::isMissing(texture) && texture != FallbackTexture &&
        QImageReader(Paths::inProgramFolder(texture)).read().isNull()) {
        m_prompter.message(QStringLiteral("Nedá se otevřít obrázek textury ! Použit Default: Textura.bmp"));
        store.write(Key::Textura, FallbackTexture);
    }
    const int form = store.read(Key::FrmZobr);
    {
        const QSignalBlocker quiet(m_windowForm);
        if (form == 0 || form == 1)
            m_windowForm->setCurrentIndex(form);
    }

    for (const Check &check : m_checks) {
        const QSignalBlocker quiet(check.box);
        check.box->setChecked(store.read(check.key));
    }
    m_lamp->setOn(store.read(Key::HAct));
    refreshCaption();
    m_filling = false;
}

void TForm11::checkToggled(BoolKey key, bool on)
{
    if (m_filling)
        return;
    IniStore &store = settings();
    store.write(key, on);
    // The background shows the gradient or the picture, never both.
    if (QLatin1String(key.name) == QLatin1String(Key::GradientBckg1.name))
        store.write(Key::PozadiBckg1, !on);
    if (QLatin1String(key.name) == QLatin1String(Key::GradientCaption1.name))
        refreshCaption();
}

void TForm11::refreshCaption()
{
    const QColor colour = programCaptionColour();
    m_captionBand->setVisible(colour.isValid());
    if (colour.isValid())
        static_cast<CaptionBand *>(m_captionBand)->setGradient(true, colour);
}

QCheckBox *TForm11::check(BoolKey key) const
{
    for (const Check &check : m_checks)
        if (QLatin1String(check.key.name) == QLatin1String(key.name))
            return check.box;
    return nullptr;
}

ColourList *TForm11::colourList(ColorKey key) const
{
    for (const Colour &colour : m_colours)
        if (QLatin1String(colour.key.name) == QLatin1String(key.name))
            return colour.list;
    return nullptr;
}

QSpinBox *TForm11::countBox(IntKey key) const
{
    for (const Count &count : m_counts)
        if (QLatin1String(count.key.name) == QLatin1String(key.name))
            return count.box;
    return nullptr;
}

QPushButton *TForm11::button(const QString &objectName) const { return findChild<QPushButton *>(objectName); }

// ---- texture, themes, password ------------------------------------------------

void TForm11::openTexture()
{
    QString chosen;
    {
        const KeptFolder folder;
        chosen = m_prompter.openFileName(QStringLiteral("Otevření bitmapového souboru pro Pozadí oken"), QString(),
                                         QStringLiteral("Bitmapové soubory - (*.bmp)"));
    }
    if (chosen.isEmpty())
        return;
    m_prompter.message(QStringLiteral("Soubor se bude otevírat z ") + chosen);
    if (QImageReader(chosen).read().isNull()) {
        m_prompter.message(QStringLiteral("Nedá se otevřít obrázek textury !"));
        chosen = Paths::inProgramFolder(FallbackTexture);
    }
    settings().write(Key::Textura, chosen);
}

void TForm11::saveTheme()
{
    QString path;
    {
        const KeptFolder folder;
        path = m_prompter.saveFileName(QStringLiteral("Uložit vzhled"), QString(), ThemeFilter);
    }
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".vzd");
    if (QFileInfo::exists(path) &&
        !m_prompter.ask(QStringLiteral("Přepsat"), QStringLiteral("Přejete si přepsat soubor ") + path + QStringLiteral(" ?"), 1))
        return;
    const Themes::ButtonPlaces places = m_context.quickButtonPlaces ? m_context.quickButtonPlaces() : Themes::ButtonPlaces{};
    if (!Themes::write(path, settings(), places))
        m_prompter.message(QStringLiteral("Vzhled se nepodařilo uložit do souboru ") + QDir::toNativeSeparators(path) +
                           QStringLiteral(" !"));
}

void TForm11::openTheme()
{
    QString path;
    {
        const KeptFolder folder;
        path = m_prompter.openFileName(QStringLiteral("Otevřít vzhled"), QString(), ThemeFilter);
    }
    if (!path.isEmpty())
        applyTheme(path);
}

void TForm11::standardTheme()
{
    if (m_prompter.ask(QStringLiteral("Potvrdit"), QStringLiteral("Má se obnovit standartní vzhled ?"), 2))
        applyTheme(Paths::inProgramFolder(QLatin1String(FileName::StandardTheme)));
}

void TForm11::applyTheme(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        m_prompter.message(QStringLiteral("Soubor vzhledu ") + QDir::toNativeSeparators(path) +
                           QStringLiteral(" se nedá otevřít !"));
        return;
    }
    IniStore theme(path, QLatin1String(Section::Nastaveni));
    if (m_context.applyTheme)
        m_context.applyTheme(theme);
    const Themes::ButtonPlaces places = m_context.quickButtonPlaces ? m_context.quickButtonPlaces() : Themes::ButtonPlaces{};
    Themes::copyInto(theme, settings(), places);
    fill();
}

void TForm11::savePassword()
{
    IniStore &store = settings();
    if (m_password->text() != m_passwordAgain->text()) {
        m_lamp->setOn(false);
        m_prompter.message(QStringLiteral("KONTROLA: Hesla nejsou stejná !"));
        store.write(Key::HAct, false);
        return;
    }
    m_prompter.message(QStringLiteral("Od této chvíle při každém spuštění manažeru bude program žádat heslo !"));
    m_lamp->setOn(true);
    store.write(Key::Pas, m_password->text());
    store.write(Key::HAct, true);
}

void TForm11::cancelPassword()
{
    settings().write(Key::HAct, false);
    m_lamp->setOn(false);
}
