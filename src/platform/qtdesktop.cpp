#include "platform/qtdesktop.h"

#include <QDesktopServices>

#ifdef Q_OS_WIN
#include <string>
#include <windows.h>
#endif

std::optional<QLocale::MeasurementSystem> measurementSystemOf(const QLocale& locale) {
    if (locale.language() == QLocale::C)
        return std::nullopt;
    return locale.measurementSystem();
}

std::optional<QLocale::MeasurementSystem> QtDesktop::measurementSystem() {
#ifdef Q_OS_WIN
    // Windows' own setting for the user, which QLocale::system() would override with LANG where a
    // shell sets it. The sort-order bits of the locale identifier play no part.
    const LCID locale = MAKELCID(LANGIDFROMLCID(GetUserDefaultLCID()), SORT_DEFAULT);
    const int size = GetLocaleInfoA(locale, LOCALE_IMEASURE, nullptr, 0);
    if (size <= 0)
        return std::nullopt;
    std::string text(size, '\0');
    if (GetLocaleInfoA(locale, LOCALE_IMEASURE, text.data(), size) <= 0)
        return std::nullopt;
    text.resize(text.find('\0'));
    return text == "1" ? QLocale::ImperialUSSystem : QLocale::MetricSystem;
#else
    return measurementSystemOf(QLocale::system());
#endif
}

QLocale QtDesktop::numberLocale() {
    return QLocale::system();
}

bool QtDesktop::openUrl(const QUrl& url) {
    return QDesktopServices::openUrl(url);
}
