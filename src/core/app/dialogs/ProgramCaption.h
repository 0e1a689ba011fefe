#pragma once

class DialogFrame;
class QBoxLayout;
class QWidget;

// While the title-bar gradient is on ("GradientCaption1" of Penezka.ini),
// adds its caption band at the top of `layout`, from "GradientColor" (the
// desktop's highlight when there is none). Returns the band, or null when
// the gradient is off.
QWidget *addProgramCaptionBand(DialogFrame &frame, QBoxLayout *layout);
