#pragma once

class DialogFrame;
class QBoxLayout;

// Adds the caption band of the program's settings ("GradientCaption1",
// "GradientColor" of Penezka.ini) at the top of `layout`; without a
// colour of its own the band takes the desktop's highlight.
void addProgramCaptionBand(DialogFrame &frame, QBoxLayout *layout);
