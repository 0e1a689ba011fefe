#include "core/app/dialogs/ProgramCaption.h"

#include "core/data/platform/Paths.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "widgets/Colours.h"
#include "widgets/DialogFrame.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPalette>

QWidget *addProgramCaptionBand(DialogFrame &frame, QBoxLayout *layout)
{
    const IniStore settings(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));
    if (!settings.read(Key::GradientCaption1))
        return nullptr;
    QColor colour = Colours::fromValue(settings.read(Key::GradientColor));
    if (!colour.isValid())
        colour = QApplication::palette().color(QPalette::Highlight);
    return frame.addCaptionBand(layout, true, colour);
}
