#pragma once

#include <QLabel>

class Prompter;

// A picture or a line, under a hand cursor, that tells its text in a
// message box when clicked.
class TellingLabel : public QLabel
{
    Q_OBJECT
public:
    TellingLabel(QString text, Prompter &prompter, QWidget *parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QString m_text;
    Prompter &m_prompter;
};
