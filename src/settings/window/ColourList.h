#pragma once

#include <QWidget>
#include <optional>

class Prompter;
class QComboBox;
class QPushButton;

// A colour drop-down of the settings dialog: the sixteen basic colours by
// their Czech names, and "Jiná" beside it, tinted with the chosen colour,
// for the desktop's full colour dialog. Colours are 0x00BBGGRR values.
class ColourList : public QWidget
{
    Q_OBJECT
public:
    ColourList(Prompter &prompter, const QString &name, QWidget *parent = nullptr);

    // Shows a stored colour without telling; nothing shows none chosen.
    void showColour(std::optional<int> value);
    std::optional<int> colour() const { return m_colour; }
    QComboBox *list() const { return m_list; }
    QPushButton *otherButton() const { return m_other; }

signals:
    // The user chose a colour in the list or in the colour dialog.
    void chosen(int value);

private:
    void choose(int value);
    void tint();

    Prompter &m_prompter;
    QComboBox *m_list = nullptr;
    QPushButton *m_other = nullptr;
    std::optional<int> m_colour;
};
