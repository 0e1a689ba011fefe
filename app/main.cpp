#include "Subsystems.h"
#include "core/app/Program.h"

int main(int argc, char **argv) { return runProgram(argc, argv, registerSubsystems); }
