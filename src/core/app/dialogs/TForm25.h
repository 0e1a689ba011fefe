#pragma once

#include <QDialog>

// The shutdown question "Okamžitě vypne": accepted for "&Ano".
class TForm25 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm25(QWidget *parent = nullptr);
};

// The wait window "Vypínám Počítač" shown while the system is asked to shut
// down. It stays up when the request is refused; a click puts it away.
class TForm26 : public QWidget
{
    Q_OBJECT
public:
    explicit TForm26(QWidget *parent = nullptr);

    void showCentred();

protected:
    void mousePressEvent(QMouseEvent *event) override;
};
