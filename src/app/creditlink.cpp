#include "app/creditlink.h"

#include "app/artwork.h"
#include "app/form1.h"
#include "app/makersite.h"
#include "platform/desktop.h"
#include "platform/twips.h"

namespace {

QCursor helicopterPointer() {
    // The pointer's point is the helicopter's nose, at the right edge of the picture.
    return QCursor(artwork(QStringLiteral("helicopter-pointer.png")), 31, 17);
}

} // namespace

CreditLink::CreditLink(Form1& form)
    : QObject(&form)
    , f(form) {
    connect(f.lblSite, &Label::mouseMove, this, &CreditLink::lblSite_MouseMove);
    connect(&f, &Form1::mouseMove, this, &CreditLink::Form_MouseMove);
    connect(f.lblSite, &Label::click, this, &CreditLink::lblSite_Click);
}

void CreditLink::lblSite_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y) {
    if (x < float(f.lblSite->width() * twipsPerPixel) && y < float(f.lblSite->height() * twipsPerPixel)) {
        f.lblSite->setFontUnderline(true);
        // Both labels carry the icon, read once and only when the pointer first reaches the link:
        // the only time either label shows it.
        if (!m_pointerRead) {
            m_pointerRead = true;
            const QCursor helicopter = helicopterPointer();
            f.Label9->setMouseIcon(helicopter);
            f.lblSite->setMouseIcon(helicopter);
        }
        f.lblSite->setMousePointer(mouseIconPointer);
    }
}

void CreditLink::Form_MouseMove(Qt::MouseButtons, Qt::KeyboardModifiers, float x, float y) {
    const Label* site = f.lblSite;
    const float left = float(site->x() * twipsPerPixel);
    const float top = float(site->y() * twipsPerPixel);
    const float width = float(site->width() * twipsPerPixel);
    const float height = float(site->height() * twipsPerPixel);
    if (x < left || x > left + width || y < top || y > top + height) {
        f.lblSite->setFontUnderline(false);
        f.lblSite->setMousePointer(arrowPointer);
    }
}

void CreditLink::lblSite_Click() {
    // A desktop with no browser simply does nothing; there is nothing the user could do about it.
    f.desktop().openUrl(QUrl(QString::fromLatin1(makerSiteUrl)));
}
