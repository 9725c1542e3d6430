#include "app/form1.h"

#include "app/artwork.h"
#include "platform/desktop.h"
#include "platform/fixedsize.h"
#include "platform/twips.h"

#include <QFontDatabase>
#include <QIcon>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QTimer>
#include <QtMath>
#include <algorithm>

namespace {

const QString productName = QStringLiteral("Rotorix");

QFont windowFont() {
    // The catalogue's sizes were measured in an 8-point sans serif of Arial's proportions.
    const QStringList families{QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                               QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                               QStringLiteral("Helvetica")};
    QFont font;
    // The first of them installed is the one that draws. Naming it alone spares the toolkit the
    // fontconfig search for fallbacks of the first family, which it cannot find. The installed
    // families are looked up in the list the window's text needs anyway, not asked of fontconfig
    // one name at a time, which resolves each name as an alias first.
    const QStringList installedFamilies = QFontDatabase::families();
    const auto installed = std::find_if(families.begin(), families.end(), [&](const QString& family) {
        return installedFamilies.contains(family, Qt::CaseInsensitive);
    });
    font.setFamilies(installed != families.end() ? QStringList{*installed} : families);
    font.setPixelSize(11);
    return font;
}

QIcon applicationIcon() {
    QIcon icon;
    for (const int size : {16, 32, 48, 128, 256})
        icon.addPixmap(artwork(QStringLiteral("rotorix-%1.png").arg(size)));
    return icon;
}

struct PageButtons {
    bool copy;
    bool print;
    bool volumeUnits;
};

// What each page lets the user do: the fuel pages report, the unit list serves only them.
constexpr std::array<PageButtons, 4> pageButtons{{
    {false, false, true},
    {true, true, true},
    {false, false, false},
    {false, false, false},
}};

} // namespace

Form1::Form1(Desktop& desktop)
    : FormControls(desktop, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                Qt::WindowCloseButtonHint) {
    setWindowTitle(productName);
    setFont(windowFont());
    setFixedSize(toPixels({0, 0, 4710, 7185}).size());
    createControls();
    stackLabelsUnderControls();
    orderTabStops();
    setMouseTracking(true);

    connect(cmbFuelType, &DropDownList::click, this, &Form1::cmbFuelType_Click);
    connect(cmdClose, &QPushButton::clicked, this, &Form1::cmdClose_Click);
    connect(cmdCalc, &QPushButton::clicked, this, &Form1::cmdCalc_Click);
}

// Close is the window's cancel button, the way a dialog has one: Escape reaches the window only
// when the focused control had no use for it. An open list is a popup that takes Escape first and
// only closes itself; a window-wide shortcut would have fired before it and ended the program.
void Form1::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Cancel) && cmdClose->isEnabled()) {
        cmdClose->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

bool Form1::event(QEvent* event) {
    // The icon's five sizes take as long to decode as a tenth of the start-up. The window manager
    // takes an icon at any time, so it is handed over once the first frame has been painted: the
    // user sees the window first and its icon a moment later.
    if (event->type() == QEvent::Paint && !m_iconScheduled) {
        m_iconScheduled = true;
        QTimer::singleShot(0, this, [this] { setWindowIcon(applicationIcon()); });
    }
    return QWidget::event(event);
}

void Form1::mouseMoveEvent(QMouseEvent* event) {
    // A move that a control under the pointer did not take is passed up to the window too. Only a
    // move over the bare surface is the window's own: counting the others would take the link's
    // look away while the pointer rests on a control beside it.
    const QPointF at = event->position();
    if (childAt(QPoint(qFloor(at.x()), qFloor(at.y()))))
        return;
    emit mouseMove(event->buttons(), event->modifiers(), float(at.x() * twipsPerPixel),
                   float(at.y() * twipsPerPixel));
}

void Form1::Show() {
    const bool first = !m_loaded;
    if (first) {
        m_loaded = true;
        Form_Load();
    }
    cmbFuelType->setFocus();
    show();
    if (first)
        keepFixedSize(this);
}

void Form1::stackLabelsUnderControls() {
    // Labels are drawn on their container's surface, under every other control: "Other > >"
    // reaches under the additive's name box and must not hide it.
    for (auto entry = m_controls.rbegin(); entry != m_controls.rend(); ++entry) {
        if (qobject_cast<Label*>(entry->control))
            entry->control->lower();
    }
}

void Form1::orderTabStops() {
    std::vector<Entry> stops;
    std::copy_if(m_controls.begin(), m_controls.end(), std::back_inserter(stops),
                 [](const Entry& entry) { return entry.control->focusPolicy() & Qt::TabFocus; });
    std::stable_sort(stops.begin(), stops.end(),
                     [](const Entry& a, const Entry& b) { return a.tabIndex < b.tabIndex; });
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1].control, stops[i].control);
}

bool Form1::isUsMeasure() const {
    return desktop().measurementSystem() == QLocale::ImperialUSSystem;
}

void Form1::cmbFuelType_Change() {
    const int k = cmbFuelType->listIndex();
    if (k < 0 || k >= int(Frame1.size()))
        return;
    for (QFrame* page : Frame1) {
        page->setEnabled(false);
        page->setVisible(false);
    }
    Frame1[k]->setEnabled(true);
    Frame1[k]->setVisible(true);
    Frame1[k]->raise();
    cmdCopy->setEnabled(pageButtons[k].copy);
    cmdPrint->setEnabled(pageButtons[k].print);
    cmbVolumeGrads->setEnabled(pageButtons[k].volumeUnits);
}

void Form1::cmdClose_Click() {
    close();
}

void Form1::cmdCalc_Click() {
    if (!desktop().startProgram(QStringLiteral("Calc.exe"), WindowStyle::MinimizedWithFocus))
        desktop().messageBox(QStringLiteral("Cant open Windows Calculator"), productName);
}
