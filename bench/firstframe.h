// The benchmarks' end point: the process ends as soon as a window's first frame has been painted
// and handed to the display, after adding its peak resident memory to BENCH_PEAK_DIR/<program>. Rotorix's
// bench entry and both floors install the very same hook, so the start-up figures differ only in what each
// one builds.
#pragma once

#include "version.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTimer>
#include <QWidget>
#include <cstdlib>

namespace bench {

class FirstFrameHook : public QObject {
public:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (!m_seen && event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isWindow()) {
            m_seen = true;
            // BENCH_KEEP_OPEN=1 leaves the window up, to look at what a floor shows.
            if (qEnvironmentVariableIsSet("BENCH_KEEP_OPEN"))
                return false;
            // The frame reaches the display when this round of painting is flushed; end right after.
            QTimer::singleShot(0, [] { end(); });
        }
        return false;
    }

private:
    static void end() {
        if (const char* folder = std::getenv("BENCH_PEAK_DIR")) {
            const QString path = QString::fromLocal8Bit(folder) + QLatin1Char('/') +
                                 QFileInfo(QCoreApplication::applicationFilePath()).fileName();
            QFile status(QStringLiteral("/proc/self/status"));
            QByteArray peak;
            if (status.open(QIODevice::ReadOnly)) {
                for (const QByteArray& line : status.readAll().split('\n')) {
                    if (line.startsWith("VmHWM:"))
                        peak = line.mid(6).trimmed();
                }
            }
            QFile out(path);
            if (out.open(QIODevice::Append))
                out.write(peak + '\n');
        }
        // No teardown: what is timed is start-up, not shutdown.
        std::_Exit(0);
    }
    bool m_seen = false;
};

inline void endAtFirstFrame(QApplication& app) {
    app.installEventFilter(new FirstFrameHook);
}

// A floor's window: Rotorix's size, title and window flags, so only what is inside it differs.
inline void dressLikeRotorix(QWidget& window) {
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("Rotorix (v" ROTORIX_VERSION ")"));
    window.setFixedSize(314, 479);
}

} // namespace bench
