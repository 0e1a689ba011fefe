#pragma once

#include <QDialog>
#include <QRect>

class QLabel;
class QPushButton;
class QFrame;

// Where the parts of the question dialog go for a text `textWidth` pixels
// wide: the dialog grows with its text and moves by half of the growth so
// that it stays centred where the design width (200) had put it.
struct QuestionLayout
{
    static constexpr int DesignWidth = 200;
    static constexpr int ClientHeight = 94;

    int width = 0;      // t + 78
    int panelWidth = 0; // t + 20
    int yesLeft = 0;    // W div 2 - 80
    int noLeft = 0;     // W div 2
    int shiftLeft = 0;  // (t - 122) div 2; negative moves right

    static QuestionLayout forText(int textWidth);
};

// The yes/no question dialog: a picture, one centred line of text and the
// buttons "Ano" and "Ne"; the close box answers "Ne".
class TDotazFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TDotazFrm(QWidget *parent = nullptr);

    // Caption, text and picture of one question, laid out as QuestionLayout
    // says, centred on the screen.
    void setQuestion(const QString &title, const QString &text, int icon);
    bool answer() const { return m_answer; }
    // The picture's icon kind (0 for every value the dialog has no own
    // picture for).
    int iconKind() const { return m_iconKind; }

protected:
    void changeEvent(QEvent *event) override;

private:
    void AnoClick();
    void NeClick();

    QLabel *m_picture = nullptr;
    QFrame *m_panel = nullptr;
    QLabel *m_text = nullptr;
    QPushButton *m_yes = nullptr;
    QPushButton *m_no = nullptr;
    bool m_answer = false;
    int m_iconKind = 0;
};

// Asks a yes/no question and waits for the answer: true for "Ano", false
// for "Ne" or the close box. Icon kinds: 0 computer with a tick (also any
// value above 3), 1 question mark, 2 red error cross, 3 information sign.
bool AskQuestion(const QString &title, const QString &text, int icon);
