#pragma once

#include <QColor>
#include <QObject>
#include <QString>
#include <functional>

class QAction;
class QBoxLayout;
class QDialog;
class QHBoxLayout;
class QPainter;
class QPushButton;
class QWidget;

// What every dialog of the program is built in: the shared window
// background painted under its controls, Enter and Escape through the
// dialog's small menu, the Ano/Ne answer row, and the caption band that
// carries the title-bar gradient. A dialog makes one frame in its
// constructor; the frame lives as long as the dialog.
class DialogFrame : public QObject
{
    Q_OBJECT
public:
    explicit DialogFrame(QDialog *dialog);

    // Enter (both keys) and Escape run these, wherever the focus is in
    // the dialog: two entries of its small menu. A null function leaves the
    // key to Qt.
    void setKeys(std::function<void()> enter, std::function<void()> escape);
    QAction *enterAction() const { return m_enter; }
    QAction *escapeAction() const { return m_escape; }

    // The two answer buttons of a question, each with its caption and
    // object name; `yesIsDefault` says which one Enter presses while
    // neither has been chosen with the keyboard.
    struct Answers
    {
        QPushButton *yes = nullptr;
        QPushButton *no = nullptr;
    };
    struct AnswerTexts
    {
        QString yesCaption = QStringLiteral("&Ano");
        QString noCaption = QStringLiteral("&Ne");
        QString yesName = QStringLiteral("Ano");
        QString noName = QStringLiteral("Ne");
        bool yesIsDefault = true;
        // Enter presses the button that has the focus (else always the
        // default one).
        bool enterFollowsFocus = false;
        // The buttons accept and reject the dialog (else the dialog
        // connects them itself).
        bool closesDialog = true;
    };
    Answers answers(const AnswerTexts &texts);
    // The buttons centred side by side, for a dialog built with layouts.
    static QHBoxLayout *centredRow(const Answers &answers);

    // A button of the dialog with its caption, object name and hint; Enter
    // does not press it unless it is made the default.
    static QPushButton *button(const QString &caption, const QString &objectName, const QString &hint, QWidget *parent);

    // The band at the top that shows the title on the title-bar gradient:
    // from `colour` to the window colour when `gradient` is on, else plain.
    // Added to `layout` at its top.
    QWidget *addCaptionBand(QBoxLayout *layout, bool gradient, QColor colour);

    // The shared window background, painted under every dialog's controls
    // (set once by the program's look; nothing is painted without one).
    using BackgroundPainter = std::function<void(QPainter &painter, QWidget &window)>;
    static void setBackgroundPainter(BackgroundPainter painter);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QDialog *m_dialog;
    QAction *m_enter = nullptr;
    QAction *m_escape = nullptr;
};
