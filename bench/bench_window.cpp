// How long the window takes to build, load and show, what one input change costs on each page,
// and how much memory a loaded window holds. Prints a Markdown table; never run as a test.
#include "app/mainwindow.h"
#include "platform/qtdesktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMicroseconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Microseconds per change, over many changes that swing the spin button between two values.
double perChange(SpinButton* spin, int low, int high) {
    constexpr int changes = 2000;
    return medianMicroseconds(5,
                              [&] {
                                  for (int i = 0; i < changes; ++i)
                                      spin->setValue(i % 2 ? low : high);
                              }) /
           changes;
}

long statusKilobytes(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpression line(QStringLiteral("^%1:\\s+(\\d+) kB").arg(QLatin1String(field)),
                                  QRegularExpression::MultilineOption);
    const auto match = line.match(QString::fromLatin1(status.readAll()));
    return match.hasMatch() ? match.captured(1).toLong() : -1;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtDesktop desktop;

    const long baseRss = statusKilobytes("VmRSS");
    const double firstShow = medianMicroseconds(1, [&] { createMainWindow(desktop)->Show(); });
    const double show = medianMicroseconds(30, [&] {
        auto form = createMainWindow(desktop);
        form->Show();
        QApplication::processEvents();
    });

    auto form = createMainWindow(desktop);
    form->Show();
    QApplication::processEvents();
    const long windowRss = statusKilobytes("VmRSS");
    // A full mix, so every row of the glow fuel page is written on each change.
    const int mix[] = {70, 10, 10, 8, 2};
    for (int row = 0; row < 5; ++row)
        form->vscrInPercent[row]->setValue(100 - mix[row]);

    std::printf("| measure | figure |\n|---|---|\n");
    std::printf("| first window built, loaded and shown | %.1f ms |\n", firstShow / 1000.0);
    std::printf("| later windows, median of 30 | %.1f ms |\n", show / 1000.0);
    std::printf("| total volume step (glow fuel page recomputed) | %.1f µs |\n",
                perChange(form->vscrTotVol, 190, 191));
    std::printf("| percentage step (glow fuel page recomputed) | %.1f µs |\n",
                perChange(form->vscrInPercent[0], 30, 31));
    std::printf("| engine speed step (head speed recomputed) | %.1f µs |\n",
                perChange(form->vscrConvGRpm[0], 40, 41));
    std::printf("| battery capacity step (range, rate and time) | %.1f µs |\n",
                perChange(form->vscrBattRating, 0, 50));
    std::printf("| memory held by one loaded window (RSS growth) | %ld kB |\n", windowRss - baseRss);
    std::printf("| peak resident memory of the process | %ld kB |\n", statusKilobytes("VmHWM"));
    return 0;
}
