#include "Subsystems.h"
#include "convert/Registration.h"
#include "core/app/context/AppContext.h"
#include "core/app/Program.h"

int main(int argc, char **argv)
{
    AppContext context;
    // Known before the program starts, so that --help lists it.
    registerConvert(context);
    return runProgram(argc, argv, context, registerSubsystems);
}
