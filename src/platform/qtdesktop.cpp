#include "platform/qtdesktop.h"

#include <QDesktopServices>

std::optional<QLocale::MeasurementSystem> measurementSystemOf(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return std::nullopt;
    return locale.measurementSystem();
}

std::optional<QLocale::MeasurementSystem> QtDesktop::measurementSystem() {
    return measurementSystemOf(QLocale::system());
}

QLocale QtDesktop::numberLocale() {
    return QLocale::system();
}

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
