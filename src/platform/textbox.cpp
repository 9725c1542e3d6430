#include "platform/textbox.h"

#include "platform/focusreason.h"

#include <QFocusEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QSignalBlocker>

// The toolkit's line edit lays out its empty text once as it is built, in the application's
// font, before it takes its parent's. Loading that face for nothing costs as much as a twentieth
// of the start-up, so while a box is built the application's font is its parent's; it is the
// same font again before anything else can read it.
struct TextBox::ParentFontLoan {
    explicit ParentFontLoan(const QWidget* parent)
        : application(QGuiApplication::font())
        , lent(parent != nullptr) {
        if (lent)
            QGuiApplication::setFont(parent->font());
    }
    ~ParentFontLoan() {
        if (lent)
            QGuiApplication::setFont(application);
    }
    ParentFontLoan(const ParentFontLoan&) = delete;
    ParentFontLoan& operator=(const ParentFontLoan&) = delete;

    const QFont application;
    const bool lent;
};

// The loan lasts until the delegated constructor has built the box.
TextBox::TextBox(QWidget* parent)
    : TextBox(parent, ParentFontLoan(parent)) {}

TextBox::TextBox(QWidget* parent, const ParentFontLoan&)
    : QLineEdit(parent)
    , m_colours(this, {QPalette::Base}, {QPalette::Text}, colours::windowBackground, colours::windowText) {
    connect(this, &QLineEdit::textChanged, this, &TextBox::change);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    if (movesFocusWithinWindow(event->reason()))
        emit gotFocus();
}

void TextBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    if (!movesFocusWithinWindow(event->reason()))
        return;
    // Undo serves one visit to the box. Its history keeps every character ever typed or pasted
    // until the text is set, and a box the program never sets would hold it for good.
    if (isUndoAvailable() || isRedoAvailable()) {
        const QSignalBlocker unchanged(this);
        setText(text());
    }
    emit lostFocus();
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit click();
}
