#pragma once

#include <QDialog>

class QLineEdit;

// "Nastavení Automatického vložení do doplňku": the text that fills every
// empty supplement when the record window is activated ("TextDop"), and the
// way to the replace dialog.
class TFrmDoplnek : public QDialog
{
    Q_OBJECT
public:
    TFrmDoplnek(const QString &text, QWidget *parent = nullptr);
    QString text() const;
    QLineEdit *textBox() const { return m_text; }

signals:
    void replaceRequested();

private:
    QLineEdit *m_text = nullptr;
};

// "Nahradit text doplňku jiným": the two texts of a replacement.
class TFrmNahradit : public QDialog
{
    Q_OBJECT
public:
    explicit TFrmNahradit(QWidget *parent = nullptr);
    QString from() const;
    QString to() const;
    QLineEdit *fromBox() const { return m_from; }
    QLineEdit *toBox() const { return m_to; }

private:
    QLineEdit *m_from = nullptr;
    QLineEdit *m_to = nullptr;
};
