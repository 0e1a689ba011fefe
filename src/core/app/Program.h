#pragma once

// The whole run of the program: choose the program folder, start up, run
// the message loop until the main window closes.
int runProgram(int argc, char **argv);
