#include "platform/label.h"

#include "platform/twips.h"

#include <QMouseEvent>

Label::Label(QWidget* parent, Colour back, Colour fore)
    : QLabel(parent)
    , m_colours(this, {QPalette::Window}, {QPalette::WindowText}, back, fore) {
    // Captions are data, never markup: "<>" must show as typed.
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A label reports every move over it, and so keeps the move from reaching the window below.
    setMouseTracking(true);
}

void Label::setCaption(const QString& caption) {
    setText(caption);
    if (m_autoSize)
        adjustSize();
}

void Label::setBorder(bool fixedSingle) {
    setFrameStyle(fixedSingle ? QFrame::StyledPanel | QFrame::Sunken : QFrame::NoFrame);
    setLineWidth(1);
}

void Label::setCentred(bool centred) {
    setAlignment((centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter);
}

void Label::setBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

void Label::setAutoSize(bool autoSize) {
    m_autoSize = autoSize;
    if (autoSize)
        adjustSize();
}

void Label::setFontUnderline(bool underline) {
    QFont f = font();
    f.setUnderline(underline);
    setFont(f);
}

void Label::setMousePointer(int pointer) {
    m_mousePointer = pointer;
    if (pointer == mouseIconPointer)
        setCursor(m_mouseIcon);
    else
        unsetCursor();
}

void Label::setMouseIcon(const QCursor& icon) {
    m_mouseIcon = icon;
    setMousePointer(m_mousePointer);
}

void Label::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked = m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    event->accept();
    if (clicked)
        emit click();
}

void Label::mouseMoveEvent(QMouseEvent* event) {
    event->accept();
    const QPointF at = event->position() * twipsPerPixel;
    emit mouseMove(event->buttons(), event->modifiers(), float(at.x()), float(at.y()));
}
