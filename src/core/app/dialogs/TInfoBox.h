#pragma once

#include <QDialog>

// The about box "Informace": the versions and the program's name.
class TInfoBox : public QDialog
{
    Q_OBJECT
public:
    TInfoBox(const QString &version, const QString &windowsVersion, QWidget *parent = nullptr);
};
