#include "core/app/dialogs/ProgramCaption.h"

#include "core/data/platform/Paths.h"
#include "core/data/stores/IniStore.h"
#include "core/data/stores/Keys.h"
#include "widgets/Colours.h"
#include "widgets/DialogFrame.h"

#include <QApplication>
#include <QBoxLayout>
#include <QPalette>

QColor programCaptionColour()
{
    const IniStore settings(Paths::inProgramFolder(QLatin1String(FileName::Settings)), QLatin1String(Section::Nastaveni));
    if (!settings.read(Key::GradientCaption1))
        return QColor();
    const QColor colour = Colours::fromValue(settings.read(Key::GradientColor));
    return colour.isValid() ? colour : QApplication::palette().color(QPalette::Highlight);
}

QWidget *addProgramCaptionBand(DialogFrame &frame, QBoxLayout *layout)
{
    const QColor colour = programCaptionColour();
    return colour.isValid() ? frame.addCaptionBand(layout, true, colour) : nullptr;
}
