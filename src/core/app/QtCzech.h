#pragma once

// Qt's own dialogs (colour, file, print) and buttons speak Czech, like the
// rest of the program: Qt's Czech translation is installed once at start-up.
// Returns whether the translation was found.
bool installQtCzech();
