#include "shell/look/QuickButtons.h"

#include <QtGlobal>

namespace QuickButtons {

namespace {
const Button Buttons[Count] = {
    {"Spořič", "Aktivuje spořič obrazovky|Aktivuje spořič obrazovky nastavený v ovládacích panelech", -245, 40,
     Command::SystemScreenSaver},
    {"Vypnout", "Zavře všechny programy a vypne počítač |Zavře všechny programy a vypne váš počítač", 171, 40,
     Command::Shutdown},
    {"Databáze", "Měsíční databáze|Otevře menu pro měsíční záznamovou databázi", -101, 40, Command::MonthsMenu},
    {"Skupina dat. 1", "Databáze|Otevře menu s databází", -101, 96, Command::Group1Menu},
    {"Grafy", "Grafy databáze|Otevře menu s grafy databáze", 35, 40, Command::MonthGraphsMenu},
    {"Grafy", "Grafy databáze|Otevře menu s grafy databáze", 35, 96, Command::Group1GraphsMenu},
    {"Konec", "Zavře program|Zavře tento program", 171, 96, Command::Exit},
    {"Spořič", "Aktivuje vnitřní spořič|Aktivuje vnitřní spořič obrazovky", -245, 96, Command::OwnScreenSaver},
    {"Skupina dat. 2", "Databáze 2|Otevře menu s Databází č.2", -101, 152, Command::Group2Menu},
    {"Grafy", "Grafy Databáze 2|Otevře menu s grafy Databáze 2", 35, 152, Command::Group2GraphsMenu},
    {"Adresy", "Seznam adres", -101, 208, Command::Addresses},
    {"Tel. seznam", "Telefonní seznam", 35, 208, Command::PhoneBook},
};
} // namespace

const Button &button(int n) { return Buttons[qBound(1, n, Count) - 1]; }

std::array<bool, Count> visibility(bool rychloTl, const Switches &switches)
{
    std::array<bool, Count> shown{};
    // Screen savers, shutdown and exit follow RychloTl alone.
    for (int n : {1, 2, 7, 8})
        shown[n - 1] = rychloTl;
    // The others need their own setting too.
    shown[11 - 1] = shown[12 - 1] = rychloTl && switches.rAdrTel;
    shown[3 - 1] = shown[5 - 1] = rychloTl && switches.databazeMesic;
    shown[4 - 1] = shown[6 - 1] = rychloTl && switches.databazeUzv;
    shown[9 - 1] = shown[10 - 1] = rychloTl && switches.databazeUzv2;
    return shown;
}

QPoint centredPosition(int n, int clientWidth)
{
    const int c = (clientWidth - 26) / 2; // C++ division truncates towards zero
    return {c + button(n).centredOffset, button(n).centredTop};
}

} // namespace QuickButtons
