#include "platform/label.h"

#include "platform/twips.h"

#include <QMouseEvent>
#include <QStyle>

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
        fitToCaption();
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
        fitToCaption();
}

void Label::fitToCaption() {
    // The toolkit sizes a label to its size hint, and works out the hint along with the minimum
    // size, laying the caption out three times. A caption on a label without a frame, margin,
    // indent, word wrap or minimum width has one size, which one layout gives, measured the way
    // the size hint measures it: from the left edge of a 2000-pixel-wide box, its centring left
    // out, so as to stay clear of rounding. An empty caption may be no text at all to the toolkit,
    // which sizes that otherwise.
    if (text().isEmpty() || textFormat() != Qt::PlainText || wordWrap() || buddy() || frameWidth() != 0 ||
        margin() != 0 || indent() >= 0 || minimumWidth() > 0) {
        adjustSize();
        return;
    }
    ensurePolished();
    const QString caption = text();
    const Qt::Alignment shown =
        QStyle::visualAlignment(caption.isRightToLeft() ? Qt::RightToLeft : Qt::LeftToRight, alignment());
    const int flags = int((shown & ~(Qt::AlignVCenter | Qt::AlignHCenter)) | Qt::TextExpandTabs);
    const QMargins margins = contentsMargins();
    const QSize around(margins.left() + margins.right(), margins.top() + margins.bottom());
    const QRect bounds = fontMetrics().boundingRect(0, 0, 2000 - around.width(), 2000, flags, caption);
    resize((bounds.size() + around).expandedTo(minimumSize()));
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
