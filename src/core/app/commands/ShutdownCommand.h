#pragma once

#include <QString>
#include <functional>

class PlatformServices;

// Quick button "Vypnout": asks, shows the wait window and asks the system
// to shut down. Accepted, the program ends; refused, the reason is kept as
// the last error text and nothing is shown (the wait window stays).
class ShutdownCommand
{
public:
    enum class Outcome { Cancelled, EndProgram, Refused };

    struct Steps
    {
        std::function<bool()> confirm;  // TForm25: true for "Ano"
        std::function<void()> showWait; // TForm26
    };

    static Outcome run(const Steps &steps, PlatformServices &services, QString &lastError);
};
