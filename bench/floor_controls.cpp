// The second floor: plain Qt controls of the kinds and numbers Rotorix's window holds, placed the
// way its four pages place them (one page shown), with captions but no logic at all.
#include "firstframe.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QWidget>
#include <array>

namespace {

struct Counts {
    int labels;
    int scrollBars;
    int lists;
    int lineEdits;
    int buttons;
    int checkBoxes;
};

// The window's own surface first, then its four pages, as Rotorix's catalogue counts them.
constexpr Counts surface{3, 0, 2, 0, 4, 0};
constexpr std::array<Counts, 4> pages{{
    {26, 6, 0, 1, 0, 1},
    {9, 2, 0, 0, 0, 0},
    {20, 6, 1, 0, 0, 0},
    {25, 0, 0, 14, 0, 0},
}};

// Lays controls out in rows of three from a given top, each in a cell of the parent.
class Placer {
public:
    Placer(QWidget* parent, int top)
        : m_parent(parent)
        , m_top(top) {}
    template <typename Control> Control* add(Control* control, int width, int height) {
        control->setGeometry(8 + (m_next % 3) * 96, m_top + (m_next / 3) * 22, width, height);
        ++m_next;
        return control;
    }
    QWidget* parent() const { return m_parent; }

private:
    QWidget* m_parent;
    int m_top;
    int m_next = 0;
};

void fill(Placer& at, const Counts& counts) {
    QWidget* parent = at.parent();
    for (int i = 0; i < counts.labels; ++i) {
        auto* label = at.add(new QLabel(QStringLiteral("Label %1").arg(i), parent), 80, 20);
        label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        label->setAutoFillBackground(true);
        label->setAlignment(Qt::AlignCenter);
    }
    for (int i = 0; i < counts.scrollBars; ++i)
        at.add(new QScrollBar(Qt::Vertical, parent), 25, 25)->setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i < counts.lists; ++i)
        at.add(new QComboBox(parent), 80, 21)->addItem(QStringLiteral("Item"));
    for (int i = 0; i < counts.lineEdits; ++i)
        at.add(new QLineEdit(parent), 57, 20);
    for (int i = 0; i < counts.buttons; ++i)
        at.add(new QPushButton(QStringLiteral("Button"), parent), 80, 25);
    for (int i = 0; i < counts.checkBoxes; ++i)
        at.add(new QCheckBox(QStringLiteral("Check box"), parent), 145, 17);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    bench::endAtFirstFrame(app);
    QWidget window;
    bench::dressLikeRotorix(window);
    // Below the pages, as Rotorix's buttons and credit labels are, so all of them show.
    Placer onSurface(&window, 412);
    fill(onSurface, surface);
    for (std::size_t k = 0; k < pages.size(); ++k) {
        auto* frame = new QFrame(&window);
        frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
        frame->setAutoFillBackground(true);
        frame->setGeometry(8, 32, 297, 353);
        Placer onPage(frame, 8);
        fill(onPage, pages[k]);
        frame->setVisible(k == 0);
    }
    window.show();
    return QApplication::exec();
}
