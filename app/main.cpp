#include "Subsystems.h"
#include "core/app/context/AppContext.h"
#include "core/app/Program.h"

int main(int argc, char **argv)
{
    AppContext context;
    return runProgram(argc, argv, context, registerSubsystems);
}
