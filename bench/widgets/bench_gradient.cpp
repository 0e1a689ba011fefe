// How long the gradient fill takes to draw a full-screen picture in each
// style, with the most colours a segment (N = 255), one and three segments;
// the median of several rounds.
//
//     bench_gradient [rounds]

#include "widgets/GradientFill.h"

#include <QElapsedTimer>
#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
const char *const StyleNames[GradientFill::StyleCount] = {
    "Circle",      "Horizontal",  "Vertical",   "LeftBottom", "RoundMiddle",       "SquareMiddle",       "Spectral",
    "DoppelFlash", "Singleflash", "MiddleHBar", "MiddleVBar", "VerticalDoppelBar", "HorizontalDoppelBar",
};
} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const QSize screen(1920, 1080);
    std::printf("%-20s %12s %12s\n", "style", "1 segment", "3 segments");
    for (int s = 0; s < GradientFill::StyleCount; ++s) {
        double medians[2] = {};
        for (int segments : {1, 3}) {
            GradientFill fill;
            fill.style = GradientFill::Style(s);
            fill.beginColour = 0x000000;
            fill.endColour = 0xFFFFFF;
            if (segments == 3)
                fill.coloursBetween = {QStringLiteral("clRed"), QStringLiteral("$00FF8000")};
            fill.setColourCount(255);
            std::vector<double> times;
            for (int round = 0; round < rounds; ++round) {
                QElapsedTimer timer;
                timer.start();
                const QImage image = fill.draw(screen);
                times.push_back(double(timer.nsecsElapsed()) / 1e6);
                if (image.isNull())
                    return 1;
            }
            std::sort(times.begin(), times.end());
            medians[segments == 3] = times[times.size() / 2];
        }
        std::printf("%-20s %9.1f ms %9.1f ms\n", StyleNames[s], medians[0], medians[1]);
    }
    return 0;
}
