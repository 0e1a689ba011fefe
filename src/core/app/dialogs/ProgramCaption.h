#pragma once

#include <QColor>

class DialogFrame;
class QBoxLayout;
class QWidget;

// While the title-bar gradient is on ("GradientCaption1" of Penezka.ini),
// adds its caption band at the top of `layout`, from "GradientColor" (the
// desktop's highlight when there is none). Returns the band, or null when
// the gradient is off.
QWidget *addProgramCaptionBand(DialogFrame &frame, QBoxLayout *layout);

// The title-bar gradient's colour while the gradient is on; an invalid
// colour while it is off.
QColor programCaptionColour();
