#include "core/app/commands/Tips.h"

#include <QRandomGenerator>

namespace Tips {

namespace {
const char *const Texts[] = {
    "Nastavíte-li pozadí obrázku například C:\\Obrázek.bmp a změníte jeho obsah například něco přikreslíte, "
    "změna se vždy zobrazí v programu.",
    "Pomocí tohoto programu můžete vypnout počítač bez otravných dotazů.",
    "Můžete pracovat s databází i když máte progam minimalizovaný pomocí ikony v pravém rohu obrazovky.",
    "Nechce se li vám psát stále jednu a tutéž větu do informačního textu v databázích, stačí jen nastavit "
    "informační text v menu Nastavení - Uživatelský Info Text.",
    "Můžete si vybrat pozadí, buď obrázkové (z vašeho disku) nebo pozadí stoupajících barev, které nastavíte v "
    "menu Nastavení - Vlastnosti.",
    "Pomocí dvou tlačítek vedle minimalizace a zavření okna můžete spustit spořič obrazovky nakonfigurovaný v "
    "ovládacích panelech, nebo vnitřní spořič obrazovky.",
    "V měsíční databázi můžete vložit konečný finanční stav z předešlého měsíce.",
    "Uživatelská databáze nemusí být zobrazena v hlavním okně , taktéž i měsíční databáze. Nastavení proveďte v "
    "Nastavení - Vlastnosti - Nastavení - Zobrazovat databázi ???.",
    "Grafy databází můžete tisknout, nebo si je můžete uložit do obrázku typu BMP pro vaši další práci, grafy "
    "mohou být zobrazeny i černobíle, tedy monochromaticky.",
    "Grafy databází můžete zvětšovat, stačí stisknout a podržet pravé tlačítko myši a značit místo které chcete "
    "zvětšit.",
    "Grafy databází můžete zavřít dvojnásobným kliknutím na graf.",
    "Můžete uložit obsah vaší databáze do souboru typu TXTpro vaše zpracování v textovém editoru. V databází "
    "zmáčkněte pravé tlačítko myši a zvolte Uložit obsah do TXT souboru.",
    "Program umí grafy zpracovávat pro lepší přehlednost do grafu typu položkového (položky se nebudou sčítat) "
    "nebo grafu klasického (položky se sčítají).",
    "Nechcete-li aby se do vašich dat dostala cizí osoba, jednoduše si program zaheslujete. Heslo je uloženo ve "
    "skriptech a proto ho cizí osoba nezjistí.",
    "Při editaci databáze můžete k položce přidat takzvanou \"Skrytou položku\" a do ní vložit další údaje "
    "týkající se k položce. Částka nebude viditelná, ale započítává se do celkové výsledné částky'.",
    "Můžete přímo z editace databáze vyvolat graf kterékoli databáze patřící pod zvolenou skupinu.",
    "Si můžete v tomto programu vézt záznamy telefonů nebo adres vašich přátel nebo zákazníků.",
    "V editaci databáze můžete pro každou položku nastavit barvu a podlení např. poznáte jaký druh výdajů to "
    "byl. Záleží jen na vás.",
    "V editaci databáze při vkládání můžete používat průvodce, který vám pomůže položku vložit jednoduše a bez "
    "námahy.",
    "V editaci databáze můžete vyhledat příslušnou položku podle Data, textu, částky pomocí vyhledávače.",
    "V editaci databáze si můžete položky označit a zfiltrovat. Pak se zobrazí jen vybrané položky.",
    "Výsledet z kalkulačky můžete vložit do schránky a pak vložit do položky ze schránky kombinací tlačítek "
    "Shift+Ins.",
    "Editor adres vyvoláte stisknutím kláves CTRL+A",
    "Telefonní seznam vyvoláte stisknutím kláves CTRL+T",
    "Předvolby pro ČR vyvoláte stisknutím kláves CTRL+P",
    "Kalendář vyvoláte stisknutím kláves CTRL+K",
    "si můžete nastavit Vaše pravidelné platby a ony se budou do databáze automaticky vkládat.",
    "Můžete si zapnout budík, a pracovat s programem, nebo program minimalizovat do ikony a v zadaném čase se "
    "objeví vaše hlášení.",
    "Můžete tisknout grafy",
    "Můžete grafy uložit do obrázku typu BMP nebo rovnou do schránky",
    "Můžete v koláčovém grafu zobrazovat zůstatek.",
    "Můžete v grafech použít virtuální položku pro lepší přehled.",
    "Můžete tisknout celý obsah databáze v menu v položce Tisk.",
    "Můžete databází exportovat do textového souboru.",
};
} // namespace

const QStringList &all()
{
    static const QStringList list = [] {
        QStringList tips;
        for (const char *text : Texts)
            tips << QString::fromUtf8(text);
        return tips;
    }();
    return list;
}

int pick(QRandomGenerator &random) { return int(random.bounded(quint32(all().size()))); }

} // namespace Tips
