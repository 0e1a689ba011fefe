#pragma once

#include "backup/copy/BackupRun.h"

#include <QDialog>
#include <functional>

class Prompter;
class QComboBox;
class QLabel;
class QProgressDialog;
class QVBoxLayout;

// What the two backup windows share: the heading, the framed status lines
// (red while a step runs, bold where it leads, struck through when done),
// the choice of the backup folder that stands for drive A:, the progress
// of a copy and the replace question; the window is the run's view.
class BackupWindow : public QDialog, public BackupView
{
    Q_OBJECT
public:
    // How a folder is chosen ("Jiná složka..."): the folder, or empty.
    using FolderChooser = std::function<QString(const QString &start)>;

    BackupWindow(const QString &title, const QString &heading, const QStringList &lines, Prompter &prompter,
                 QWidget *parent);
    ~BackupWindow() override;

    // The backup folder the run will use; remembered per user.
    QString medium() const;
    void setMedium(const QString &folder);
    void setFolderChooser(FolderChooser chooser) { m_chooseFolder = std::move(chooser); }
    QLabel *line(int index) const { return m_lines.value(index); }
    QComboBox *mediumBox() const { return m_medium; }

    // The media offered: the last one chosen, then the mounted removable
    // media of the user (/media/$USER, /run/media/$USER).
    static QStringList offeredMedia();

    // BackupView
    void setLine(int line, State state) override;
    void setLineText(int line, const QString &text) override;
    bool progress(int done, int total) override;
    BackupCopy::Replace askReplace(const QString &relative) override;
    NotEmpty askNotEmpty() override;

    // For tests: answers the replace question instead of asking.
    void setReplaceAnswer(std::function<BackupCopy::Replace(const QString &)> answer) { m_replaceAnswer = std::move(answer); }

protected:
    // The row of the window's buttons goes here, under the lines.
    void addButtons(QWidget *first, QWidget *second);
    // A picture that tells `text` when clicked (hint "KLIKNĚTE").
    QWidget *clickablePicture(const QString &text, bool warning);
    // A line that tells `text` when clicked (hint "KLIKNĚTE").
    QLabel *clickableLine(const QString &line, const QString &text);
    Prompter &prompter() const { return m_prompter; }
    // The chosen folder changed: the lines that name it follow.
    virtual void mediumChanged() {}

private:
    void chooseOther();

    Prompter &m_prompter;
    QList<QLabel *> m_lines;
    QComboBox *m_medium = nullptr;
    QProgressDialog *m_progress = nullptr;
    FolderChooser m_chooseFolder;
    std::function<BackupCopy::Replace(const QString &)> m_replaceAnswer;
    QVBoxLayout *m_layout = nullptr;
};
