#include "backup/window/BackupWindow.h"

#include "backup/window/TFrmNeprazdna.h"
#include "core/app/dialogs/ProgramCaption.h"
#include "core/data/platform/Prompter.h"
#include "core/data/stores/Keys.h"
#include "core/data/stores/RegFlags.h"
#include "widgets/DialogFrame.h"
#include "widgets/Hints.h"
#include "widgets/TellingLabel.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

RegFlags remembered() { return RegFlags(QLatin1String(RegistryKey), QLatin1String(Section::Zaloha)); }

const QString OtherFolder = QStringLiteral("Jiná složka...");

} // namespace

BackupWindow::BackupWindow(const QString &title, const QString &heading, const QStringList &lines, Prompter &prompter,
                           QWidget *parent)
    : QDialog(parent), m_prompter(prompter)
{
    setWindowTitle(title);
    auto *frame = new DialogFrame(this);
    m_layout = new QVBoxLayout(this);
    addProgramCaptionBand(*frame, m_layout);
    auto *headingLabel = new QLabel(heading, this);
    QFont large = headingLabel->font();
    large.setPointSize(large.pointSize() + 4);
    large.setBold(true);
    headingLabel->setFont(large);
    m_layout->addWidget(headingLabel);

    // The folder that stands for drive A:.
    auto *mediumRow = new QHBoxLayout;
    mediumRow->addWidget(new QLabel(QStringLiteral("Složka zálohy (disketa A:):"), this));
    m_medium = new QComboBox(this);
    m_medium->setObjectName(QStringLiteral("Medium"));
    m_medium->setMinimumContentsLength(30);
    m_medium->addItems(offeredMedia());
    m_medium->addItem(OtherFolder);
    m_medium->setCurrentIndex(m_medium->count() > 1 ? 0 : -1);
    Hints::apply(m_medium, QStringLiteral("Kam se záloha ukládá nebo odkud se otevírá"));
    mediumRow->addWidget(m_medium, 1);
    m_layout->addLayout(mediumRow);
    m_chooseFolder = [this](const QString &start) {
        return QFileDialog::getExistingDirectory(this, QStringLiteral("Složka zálohy"), start);
    };
    connect(m_medium, &QComboBox::activated, this, [this](int index) {
        if (m_medium->itemText(index) == OtherFolder)
            chooseOther();
        else
            setMedium(m_medium->itemText(index));
    });

    auto *box = new QFrame(this);
    box->setFrameShape(QFrame::StyledPanel);
    auto *boxLayout = new QVBoxLayout(box);
    for (const QString &text : lines) {
        auto *label = new QLabel(text, box);
        label->setObjectName(QStringLiteral("Label%1").arg(m_lines.size() + 1));
        label->setTextFormat(Qt::PlainText);
        boxLayout->addWidget(label);
        m_lines << label;
    }
    // The last line says how the run ended, and where the data went: room
    // for it on two lines.
    if (QLabel *last = m_lines.value(m_lines.size() - 1)) {
        last->setWordWrap(true);
        QFont bold = last->font();
        bold.setBold(true);
        last->setMinimumHeight(2 * QFontMetrics(bold).lineSpacing() + 2);
        last->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    m_layout->addWidget(box, 1);
    setMinimumWidth(460);
    resize(520, sizeHint().height());
}

BackupWindow::~BackupWindow() = default;

QStringList BackupWindow::offeredMedia()
{
    QStringList media;
    const QString last = remembered().readString(QLatin1String(Key::Reg::Medium.name));
    if (!last.isEmpty() && last != QLatin1String("ERROR") && QFileInfo(last).isDir())
        media << last;
    const QString user = qEnvironmentVariable("USER");
    for (const QString &root : {QStringLiteral("/media/") + user, QStringLiteral("/run/media/") + user})
        for (const QFileInfo &mount : QDir(root).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            if (!media.contains(mount.absoluteFilePath()))
                media << mount.absoluteFilePath();
    return media;
}

QString BackupWindow::medium() const
{
    const QString text = m_medium->currentText();
    return text == OtherFolder ? QString() : text;
}

void BackupWindow::setMedium(const QString &folder)
{
    if (folder.isEmpty())
        return;
    int index = m_medium->findText(folder);
    if (index < 0) {
        m_medium->insertItem(0, folder);
        index = 0;
    }
    m_medium->setCurrentIndex(index);
    remembered().writeString(QLatin1String(Key::Reg::Medium.name), folder);
    mediumChanged();
}

void BackupWindow::chooseOther()
{
    const QString chosen = m_chooseFolder ? m_chooseFolder(medium().isEmpty() ? QDir::homePath() : medium()) : QString();
    if (chosen.isEmpty()) {
        m_medium->setCurrentIndex(m_medium->count() > 1 ? 0 : -1);
        return;
    }
    setMedium(chosen);
}

void BackupWindow::addButtons(QWidget *first, QWidget *second)
{
    auto *row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(first);
    row->addWidget(second);
    m_layout->addLayout(row);
}

QWidget *BackupWindow::clickablePicture(const QString &text, bool warning)
{
    auto *picture = new TellingLabel(text, m_prompter, this);
    Hints::apply(picture, QStringLiteral("KLIKNĚTE"));
    picture->setPixmap(style()->standardIcon(warning ? QStyle::SP_MessageBoxWarning : QStyle::SP_MessageBoxQuestion).pixmap(48, 48));
    return picture;
}

QLabel *BackupWindow::clickableLine(const QString &line, const QString &text)
{
    auto *label = new TellingLabel(text, m_prompter, this);
    Hints::apply(label, QStringLiteral("KLIKNĚTE"));
    label->setText(line);
    return label;
}

void BackupWindow::setLine(int index, State state)
{
    QLabel *label = m_lines.value(index);
    if (!label)
        return;
    QFont font = label->font();
    font.setBold(state == State::Bold || state == State::Ended || state == State::Failed);
    font.setStrikeOut(state == State::Done);
    label->setFont(font);
    QPalette colours = label->palette();
    const bool red = state == State::Running || state == State::Bold || state == State::Failed;
    colours.setColor(QPalette::WindowText, red ? QColor(Qt::red) : palette().color(QPalette::WindowText));
    label->setPalette(colours);
    label->repaint(); // a step is shown before the copy behind it runs
}

void BackupWindow::setLineText(int index, const QString &text)
{
    QLabel *label = m_lines.value(index);
    if (!label)
        return;
    label->setText(text);
}

bool BackupWindow::progress(int done, int total)
{
    if (!m_progress) {
        m_progress = new QProgressDialog(QStringLiteral("Kopírování souborů..."), QStringLiteral("Storno"), 0, total, this);
        m_progress->setWindowTitle(windowTitle());
        m_progress->setMinimumDuration(500);
        m_progress->setWindowModality(Qt::WindowModal);
    }
    m_progress->setMaximum(total);
    m_progress->setValue(done);
    const bool cancelled = m_progress->wasCanceled();
    if (done >= total || cancelled) {
        m_progress->deleteLater();
        m_progress = nullptr;
    }
    return !cancelled;
}

BackupCopy::Replace BackupWindow::askReplace(const QString &relative)
{
    if (m_replaceAnswer)
        return m_replaceAnswer(relative);
    QMessageBox box(QMessageBox::Question, QStringLiteral("Nahradit soubor"),
                    QStringLiteral("Soubor „%1“ už existuje. Nahradit jej ?").arg(QDir::toNativeSeparators(relative)),
                    QMessageBox::NoButton, this);
    QPushButton *yes = box.addButton(QStringLiteral("Ano"), QMessageBox::YesRole);
    QPushButton *no = box.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    QPushButton *all = box.addButton(QStringLiteral("Ano všem"), QMessageBox::YesRole);
    QPushButton *cancel = box.addButton(QStringLiteral("Storno"), QMessageBox::RejectRole);
    box.setDefaultButton(yes);
    box.setEscapeButton(cancel);
    box.exec();
    if (box.clickedButton() == yes)
        return BackupCopy::Replace::Yes;
    if (box.clickedButton() == no)
        return BackupCopy::Replace::No;
    if (box.clickedButton() == all)
        return BackupCopy::Replace::YesToAll;
    return BackupCopy::Replace::Cancel;
}

BackupView::NotEmpty BackupWindow::askNotEmpty()
{
    TFrmNeprazdna dialog(this);
    dialog.exec();
    return dialog.choice();
}
