#include "platform/colouring.h"

#include <QApplication>
#include <QPointer>

namespace {

// Qt tells the application and its windows of a new palette, but a control inside a window hears
// of it only when a colour it does not set itself changed; one filter on the application repaints
// every colouring instead.
class PaletteWatch final : public QObject {
public:
    static void add(Colouring* colouring) {
        if (!watch) {
            watch = new PaletteWatch(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(watch);
        }
        watch->colourings.push_back(colouring);
    }

    static void remove(Colouring* colouring) {
        if (watch)
            std::erase(watch->colourings, colouring);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::ApplicationPaletteChange) {
            for (Colouring* colouring : std::vector(colourings))
                colouring->repaint();
        }
        return false;
    }

private:
    explicit PaletteWatch(QObject* application)
        : QObject(application) {}

    // A child of the application: the pointer clears when the application goes.
    static inline QPointer<PaletteWatch> watch;
    std::vector<Colouring*> colourings;
};

} // namespace

Colouring::Colouring(QWidget* widget, std::initializer_list<QPalette::ColorRole> backRoles,
                     std::initializer_list<QPalette::ColorRole> foreRoles, Colour back, Colour fore)
    : m_widget(widget)
    , m_backRoles(backRoles)
    , m_foreRoles(foreRoles)
    , m_back(back)
    , m_fore(fore) {
    PaletteWatch::add(this);
    repaint();
}

Colouring::~Colouring() {
    PaletteWatch::remove(this);
}

void Colouring::setBack(Colour colour) {
    if (colour == m_back)
        return;
    m_back = colour;
    repaint();
}

void Colouring::setFore(Colour colour) {
    if (colour == m_fore)
        return;
    m_fore = colour;
    repaint();
}

void Colouring::repaint() {
    // System colours are resolved against the application palette, never the widget's own,
    // which holds whatever was painted last.
    const QPalette system = QApplication::palette(m_widget);
    QPalette palette = m_widget->palette();
    // A disabled widget keeps its background but greys its text, as the desktop does.
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const auto role : m_backRoles)
            palette.setColor(group, role, m_back.resolve(system));
    }
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        for (const auto role : m_foreRoles)
            palette.setColor(group, role, m_fore.resolve(system));
    }
    m_widget->setPalette(palette);
}
