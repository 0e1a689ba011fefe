#include "backup/copy/BackupRun.h"

#include "core/data/platform/Clock.h"
#include "core/data/platform/Prompter.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

BackupView::~BackupView() = default;

namespace BackupRun {

namespace {

using State = BackupView::State;

const QString DataFolder = QStringLiteral("Data");
const QString PersonalFolder = QStringLiteral("VlDb Data");
const QString Settings = QStringLiteral("Penezka.ini");

QString shown(const QString &medium) { return QDir::toNativeSeparators(medium); }

// Copies `files` of `from` to `to` as the view lets it; false when the run
// is to stop (the user's Storno, or an error that has been told).
bool copy(const QString &from, const QString &to, const QStringList &files, BackupView &view, Prompter &prompter,
          QStringList *copied = nullptr)
{
    const BackupCopy::Result result = BackupCopy::copyFiles(
        from, to, files, [&view](const QString &relative) { return view.askReplace(relative); },
        [&view](int done, int total) { return view.progress(done, total); });
    if (copied)
        *copied << result.copied;
    if (!result.error.isEmpty()) {
        prompter.message(result.error);
        return false;
    }
    return !result.cancelled;
}

// The INI files at the top of a folder.
QStringList topSettings(const QString &folder)
{
    QStringList files;
    for (const QString &file : BackupCopy::fileList(folder, QStringLiteral("*.INI")))
        if (!file.contains(QLatin1Char('/')))
            files << file;
    return files;
}

Outcome failedAt(BackupView &view, int line, const QString &text)
{
    view.setLineText(line, text);
    view.setLine(line, State::Failed);
    return {true, true, {}};
}

} // namespace

QStringList makeLines(const QString &medium)
{
    return {QStringLiteral("Kontrola disku ") + shown(medium), QStringLiteral("Kopírování souborů..."),
            QStringLiteral("kopírování databáze finančních událostí"), QStringLiteral("kopírování přídavné databáze "),
            QStringLiteral("kopírování nastavení"), QStringLiteral("Záloha je ukončena")};
}

QStringList openLines(const QString &medium)
{
    return {QStringLiteral("Načítám soubory na disketě ") + shown(medium), QStringLiteral("Cílový adresář: "),
            QStringLiteral("Kopírování databáze"), QStringLiteral("Kopírování přídavné databáze"),
            QStringLiteral("Kopírování nastavení"), QStringLiteral("Hotovo")};
}

QString clearMedium(const QString &medium)
{
    QStringList own;
    for (const QString &folder : {DataFolder, PersonalFolder})
        if (QFileInfo(QDir(medium).filePath(folder)).isDir())
            own << folder;
    own << topSettings(medium);
    for (const QString &name : std::as_const(own))
        if (!QFile::moveToTrash(QDir(medium).filePath(name)))
            return QStringLiteral("„%1“ nelze přesunout do koše; záloha na médiu zůstala, jak byla.")
                .arg(shown(QDir(medium).filePath(name)));
    return QString();
}

Outcome make(const QString &program, const QString &medium, BackupView &view, Prompter &prompter)
{
    const QDir from(program);
    const QDir to(medium);
    prompter.message(QStringLiteral("Vložte disketu do jednotky %1").arg(shown(medium)));
    view.setLine(CheckMedium, State::Bold);
    if (!to.exists() && !QDir().mkpath(medium))
        return failedAt(view, BackupEnded, QStringLiteral("Záloha se nezdařila: složku %1 nelze vytvořit.").arg(shown(medium)));
    if (!BackupCopy::fileList(medium).isEmpty()) {
        switch (view.askNotEmpty()) {
        case BackupView::NotEmpty::Continue:
            break;
        case BackupView::NotEmpty::Clear:
            if (prompter.ask(QStringLiteral("Vymazat"),
                             QStringLiteral("Přesunout dosavadní zálohu ve složce %1 (složky Data a VlDb Data a soubory "
                                            "INI) do koše ? Jiné soubory zůstanou.")
                                 .arg(shown(medium)),
                             Prompter::QuestionMark)) {
                if (const QString error = clearMedium(medium); !error.isEmpty()) {
                    prompter.message(error);
                    return {};
                }
            }
            break;
        case BackupView::NotEmpty::Cancel:
            return {};
        }
    }
    view.setLine(CheckMedium, State::Done);

    QStringList copied;
    view.setLine(CopyingFiles, State::Bold);
    view.setLine(CopyingLedgers, State::Running);
    if (!copy(from.filePath(DataFolder), to.filePath(DataFolder), BackupCopy::fileList(from.filePath(DataFolder)), view,
              prompter, &copied))
        return failedAt(view, BackupEnded, QStringLiteral("Záloha se nezdařila"));
    for (QString &file : copied)
        file.prepend(DataFolder + QLatin1Char('/'));
    view.setLine(CopyingLedgers, State::Done);
    view.setLine(CopyingFiles, State::Normal);

    view.setLine(CopyingPersonal, State::Running);
    QStringList personal;
    if (!copy(from.filePath(PersonalFolder), to.filePath(PersonalFolder), BackupCopy::fileList(from.filePath(PersonalFolder)),
              view, prompter, &personal))
        return failedAt(view, BackupEnded, QStringLiteral("Záloha se nezdařila"));
    for (const QString &file : std::as_const(personal))
        copied << PersonalFolder + QLatin1Char('/') + file;
    view.setLine(CopyingPersonal, State::Done);

    view.setLine(CopyingSettings, State::Running);
    if (QFileInfo(from.filePath(Settings)).isFile() && !copy(program, medium, {Settings}, view, prompter))
        return failedAt(view, BackupEnded, QStringLiteral("Záloha se nezdařila"));
    view.setLine(CopyingSettings, State::Done);

    // What arrived on the medium is read back before the run says it is done.
    const QStringList damaged = BackupCopy::damagedTables(medium, copied);
    if (!damaged.isEmpty()) {
        prompter.message(QStringLiteral("Záloha se nezdařila: kopie těchto tabulek na médiu jsou poškozené:\n%1\n"
                                        "Zkuste zálohovat znovu, nejlépe na jiné médium.")
                             .arg(damaged.join(QLatin1Char('\n'))));
        return failedAt(view, BackupEnded, QStringLiteral("Záloha se nezdařila"));
    }
    view.setLine(CopyingFiles, State::Done);
    view.setLine(BackupEnded, State::Ended);
    return {true, false, {}};
}

Outcome open(const QString &program, const QString &medium, BackupView &view, Prompter &prompter, const Clock &clock,
             const OpenTables &tables)
{
    const QDir here(program);
    const QDir there(medium);
    Outcome outcome;
    for (;;) {
        if (tables.close)
            tables.close();
        prompter.message(QStringLiteral("Vložte disketu se zálohou do jednotky %1").arg(shown(medium)));
        const QStringList lines = openLines(medium);
        for (int line = 0; line < lines.size(); ++line) {
            view.setLineText(line, lines[line]);
            view.setLine(line, State::Normal);
        }
        view.setLine(ReadingMedium, State::Bold);
        const QStringList data = BackupCopy::fileList(there.filePath(DataFolder));
        const QStringList personal = BackupCopy::fileList(there.filePath(PersonalFolder));
        QString refusal;
        if (!QFileInfo(there.filePath(DataFolder)).isDir()) {
            refusal = QStringLiteral("Ve složce %1 není záloha programu (chybí v ní složka Data). Nic se nezkopírovalo.")
                          .arg(shown(medium));
        } else {
            QStringList damaged = BackupCopy::damagedTables(there.filePath(DataFolder), data);
            damaged << BackupCopy::damagedTables(there.filePath(PersonalFolder), personal);
            if (!damaged.isEmpty())
                refusal = QStringLiteral("Záloha ve složce %1 je poškozená, nic se z ní nezkopírovalo a současná data "
                                         "zůstala, jak byla. Poškozené tabulky:\n%2")
                              .arg(shown(medium), damaged.join(QLatin1Char('\n')));
        }
        if (!refusal.isEmpty()) {
            prompter.message(refusal);
            if (tables.reopen)
                tables.reopen();
            outcome.failed = true;
            return outcome;
        }
        view.setLine(ReadingMedium, State::Normal);
        view.setLineText(TargetFolder, QStringLiteral("Cílový adresář: ") + shown(program));
        view.setLine(TargetFolder, State::Bold);

        // The data as they are now are kept before anything is replaced.
        if (outcome.safetyFolder.isEmpty()) {
            const QString safety = here.filePath(QStringLiteral("Zalohy/pred-obnovenim-")
                                                 + clock.now().toString(QStringLiteral("yyyy-MM-dd-HHmm")));
            bool kept = copy(here.filePath(DataFolder), QDir(safety).filePath(DataFolder),
                             BackupCopy::fileList(here.filePath(DataFolder)), view, prompter)
                        && copy(here.filePath(PersonalFolder), QDir(safety).filePath(PersonalFolder),
                                BackupCopy::fileList(here.filePath(PersonalFolder)), view, prompter)
                        && (!QFileInfo(here.filePath(Settings)).isFile() || copy(program, safety, {Settings}, view, prompter));
            if (!kept) {
                prompter.message(QStringLiteral("Současná data nešlo uložit stranou do složky %1, záloha se proto "
                                                "neotevřela. Nic se nepřepsalo.")
                                     .arg(shown(safety)));
                if (tables.reopen)
                    tables.reopen();
                outcome.failed = true;
                return outcome;
            }
            outcome.safetyFolder = safety;
        }
        view.setLine(TargetFolder, State::Normal);

        view.setLine(RestoringLedgers, State::Bold);
        bool going = copy(there.filePath(DataFolder), here.filePath(DataFolder), data, view, prompter);
        if (going) {
            view.setLine(RestoringLedgers, State::Done);
            view.setLine(ReadingMedium, State::Bold);
            if (QFileInfo(there.filePath(PersonalFolder)).isDir()) {
                view.setLine(RestoringPersonal, State::Bold);
                going = copy(there.filePath(PersonalFolder), here.filePath(PersonalFolder), personal, view, prompter);
                if (going)
                    view.setLine(RestoringPersonal, State::Done);
            }
        }
        if (going) {
            view.setLine(ReadingMedium, State::Bold);
            view.setLine(RestoringSettings, State::Bold);
            going = copy(medium, program, topSettings(medium), view, prompter);
            if (going)
                view.setLine(RestoringSettings, State::Done);
        }
        if (!going) {
            if (tables.reopen)
                tables.reopen();
            outcome.failed = true;
            outcome.finished = true;
            failedAt(view, Finished,
                     QStringLiteral("Záloha se neotevřela celá. Dosavadní data jsou ve složce %1.").arg(shown(outcome.safetyFolder)));
            return outcome;
        }
        view.setLine(ReadingMedium, State::Done);
        view.setLine(TargetFolder, State::Done);
        view.setLineText(Finished, QStringLiteral("Hotovo. Zavřete program a znovu ho spusťte. Dosavadní data jsou "
                                                  "ve složce %1.")
                                       .arg(shown(here.relativeFilePath(outcome.safetyFolder))));
        view.setLine(Finished, State::Ended);
        if (!prompter.ask(QStringLiteral("Další disketa"),
                          QStringLiteral("Existuje další disketa se zálohou ? Pokud ano vložte ji do mechaniky"),
                          Prompter::ErrorCross))
            break;
    }
    if (tables.reopen)
        tables.reopen();
    outcome.finished = true;
    return outcome;
}

} // namespace BackupRun
