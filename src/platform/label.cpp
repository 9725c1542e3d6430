#include "platform/label.h"

Label::Label(QWidget* parent)
    : QLabel(parent)
    , m_colours(this, {QPalette::Window}, {QPalette::WindowText}, colours::buttonFace, colours::windowText) {
    // Captions are data, never markup: "<>" must show as typed.
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
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
