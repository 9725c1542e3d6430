// What each user action costs, against the toolkit's floor measured in the same run: the same
// captions, texts and colours written straight onto bare Qt labels and boxes in a bare window.
// Prints Markdown table rows; never run as a test.
#include "app/mainwindow.h"
#include "platform/qtdesktop.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace {

constexpr QPalette::ColorRole roles[] = {QPalette::Window, QPalette::WindowText, QPalette::Base,
                                         QPalette::Text};

// What a user can read off one label or box: its text and its colours.
struct Look {
    QString text;
    std::vector<QColor> colours;
    bool operator==(const Look&) const = default;
};

Look lookOf(QWidget* widget) {
    Look look;
    if (auto* label = qobject_cast<QLabel*>(widget))
        look.text = label->text();
    else if (auto* box = qobject_cast<QLineEdit*>(widget))
        look.text = box->text();
    for (QPalette::ColorRole role : roles)
        look.colours.push_back(widget->palette().color(role));
    return look;
}

std::vector<QWidget*> readables(QWidget* window) {
    std::vector<QWidget*> all;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (qobject_cast<QLabel*>(widget) || qobject_cast<QLineEdit*>(widget))
            all.push_back(widget);
    }
    return all;
}

std::vector<Look> snapshot(const std::vector<QWidget*>& widgets) {
    std::vector<Look> looks;
    for (QWidget* widget : widgets)
        looks.push_back(lookOf(widget));
    return looks;
}

// The floor: one bare control of the same kind for every label or box the action changed, shown
// in a bare window, and the two looks it swings between.
class Floor {
public:
    Floor(const std::vector<QWidget*>& widgets, const std::vector<Look>& a, const std::vector<Look>& b) {
        m_window.setFixedSize(314, 479);
        for (std::size_t i = 0; i < widgets.size(); ++i) {
            if (a[i] == b[i])
                continue;
            QWidget* bare = qobject_cast<QLabel*>(widgets[i]) ? static_cast<QWidget*>(new QLabel(&m_window))
                                                              : new QLineEdit(&m_window);
            dressLike(bare, widgets[i]);
            m_controls.push_back({bare, a[i], b[i]});
        }
        m_window.show();
    }
    int size() const { return int(m_controls.size()); }
    // The same box, frame, font and alignment as the control it stands for, so the same pixels are
    // painted: only the logic is missing.
    static void dressLike(QWidget* bare, QWidget* like) {
        bare->setGeometry(like->mapTo(like->window(), QPoint(0, 0)).x(),
                          like->mapTo(like->window(), QPoint(0, 0)).y(), like->width(), like->height());
        bare->setFont(like->font());
        bare->setPalette(like->palette());
        bare->setAutoFillBackground(like->autoFillBackground());
        if (auto* label = qobject_cast<QLabel*>(like)) {
            auto* bareLabel = static_cast<QLabel*>(bare);
            bareLabel->setFrameStyle(label->frameStyle());
            bareLabel->setAlignment(label->alignment());
            bareLabel->setTextFormat(Qt::PlainText);
        }
    }
    QWidget& window() { return m_window; }
    void write(bool toB) {
        for (const Control& control : m_controls)
            apply(control.widget, toB ? control.b : control.a, toB ? control.a : control.b);
    }

private:
    // Only what differs is written, as a program that knows its own state would.
    static void apply(QWidget* widget, const Look& look, const Look& from) {
        if (look.text != from.text) {
            if (auto* label = qobject_cast<QLabel*>(widget))
                label->setText(look.text);
            else
                static_cast<QLineEdit*>(widget)->setText(look.text);
        }
        if (look.colours == from.colours)
            return;
        QPalette palette = widget->palette();
        for (std::size_t r = 0; r < std::size(roles); ++r)
            palette.setColor(roles[r], look.colours[r]);
        widget->setPalette(palette);
    }
    struct Control {
        QWidget* widget;
        Look a;
        Look b;
    };
    QWidget m_window;
    std::vector<Control> m_controls;
};

double medianNanoseconds(int samples, int steps, const std::function<void(int)>& step) {
    std::vector<double> times;
    for (int s = 0; s < samples; ++s) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < steps; ++i)
            step(i);
        times.push_back(double(timer.nsecsElapsed()) / steps);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Ratio {
    double product;
    double floor;
};

void printRow(const char* action, int written, Ratio writes, std::optional<Ratio> painted) {
    std::printf("| %s | %d | %.1f µs | %.1f µs | %.2f |", action, written, writes.product / 1000.0,
                writes.floor / 1000.0, writes.product / writes.floor);
    if (painted)
        std::printf(" %.1f µs | %.1f µs | %.2f |\n", painted->product / 1000.0, painted->floor / 1000.0,
                    painted->product / painted->floor);
    else
        std::printf(" | | |\n");
}

// Medians of alternated rounds, so both sides meet the same machine.
Ratio alternated(int rounds, int steps, const std::function<void(int)>& product,
                 const std::function<void(int)>& floor) {
    std::vector<double> a, b;
    for (int round = 0; round < rounds; ++round) {
        a.push_back(medianNanoseconds(1, steps, product));
        b.push_back(medianNanoseconds(1, steps, floor));
    }
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    return {a[a.size() / 2], b[b.size() / 2]};
}

void sendKey(QWidget* to, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(to, &release);
}

// One action that swings the window between two states, step by step, against its floor.
void measureStep(Form1& form, const char* action, const std::function<void(bool)>& step,
                 QWidget* typedInto = nullptr) {
    const auto widgets = readables(&form);
    step(false);
    const auto a = snapshot(widgets);
    step(true);
    const auto b = snapshot(widgets);
    std::vector<QWidget*> written;
    std::vector<Look> la, lb;
    for (std::size_t i = 0; i < widgets.size(); ++i) {
        if (widgets[i] != typedInto) {
            written.push_back(widgets[i]);
            la.push_back(a[i]);
            lb.push_back(b[i]);
        }
    }
    Floor floor(written, la, lb);
    // A keystroke's floor types the same key into a bare box too.
    QLineEdit* bareBox = typedInto ? new QLineEdit(&floor.window()) : nullptr;
    const auto productStep = [&](int i) { step(i % 2 == 1); };
    const auto floorStep = [&](int i) {
        if (bareBox)
            i % 2 ? sendKey(bareBox, Qt::Key_5, QStringLiteral("5"))
                  : sendKey(bareBox, Qt::Key_Backspace, {});
        floor.write(i % 2 == 1);
    };
    // The same steps, each followed by the repaint a user waits for.
    const auto painted = [](const std::function<void(int)>& work) {
        return [work](int i) {
            work(i);
            QApplication::processEvents();
        };
    };
    const Ratio writes = alternated(9, 500, productStep, floorStep);
    const Ratio repainted = alternated(9, 50, painted(productStep), painted(floorStep));
    printRow(action, floor.size(), writes, repainted);
}

// Loading a built window against writing what the load writes onto bare labels; both windows
// were shown once before, so neither pays for its first show.
void measureLoad(Desktop& desktop) {
    std::vector<double> product, bare;
    int written = 0;
    for (int round = 0; round < 15; ++round) {
        auto form = createMainWindow(desktop);
        form->show();
        QApplication::processEvents();
        form->hide();
        const auto widgets = readables(form.get());
        const auto before = snapshot(widgets);
        QElapsedTimer timer;
        timer.start();
        form->Show();
        product.push_back(double(timer.nsecsElapsed()));
        Floor floor(widgets, before, snapshot(widgets));
        written = floor.size();
        QApplication::processEvents();
        floor.window().hide();
        timer.start();
        floor.write(true);
        floor.window().show();
        bare.push_back(double(timer.nsecsElapsed()));
        QApplication::processEvents();
    }
    std::sort(product.begin(), product.end());
    std::sort(bare.begin(), bare.end());
    printRow("loading the window", written, {product[7], bare[7]}, std::nullopt);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QtDesktop desktop;

    std::printf("| user action | labels and boxes it changes | Rotorix | floor | ratio "
                "| Rotorix, repainted | floor, repainted | ratio |\n|---|---|---|---|---|---|---|---|\n");
    measureLoad(desktop);

    auto form = createMainWindow(desktop);
    form->Show();
    QApplication::setActiveWindow(form.get());
    QApplication::processEvents();
    // A full mix, so every row of the glow fuel page is written on each change.
    const int mix[] = {70, 10, 10, 8, 2};
    for (int row = 0; row < 5; ++row)
        form->vscrInPercent[row]->setValue(100 - mix[row]);
    Form1& f = *form;
    measureStep(f, "one percentage step (glow fuel)",
                [&](bool b) { f.vscrInPercent[0]->setValue(b ? 31 : 30); });
    measureStep(f, "a unit change (litre / US gallon)",
                [&](bool b) { f.cmbVolumeGrads->setListIndex(b ? 2 : 0); });
    f.cmbVolumeGrads->setListIndex(0);
    f.cmbFuelType->setListIndex(1);
    measureStep(f, "one pre-mix step (ratio)", [&](bool b) { f.vscrPreInRatio->setValue(b ? 41 : 40); });
    f.cmbFuelType->setListIndex(2);
    f.cmbBattRate->setListIndex(3);
    measureStep(f, "a capacity step (battery)", [&](bool b) { f.vscrBattRating->setValue(b ? 1050 : 1000); });
    measureStep(f, "a rate choice (C/6, C/5)", [&](bool b) { f.cmbBattRate->setListIndex(b ? 5 : 4); });
    f.cmbFuelType->setListIndex(3);
    TextBox* box = f.txtConvLen[0];
    box->setFocus();
    QApplication::processEvents();
    sendKey(box, Qt::Key_1, QStringLiteral("1"));
    sendKey(box, Qt::Key_2, QStringLiteral("2"));
    measureStep(
        f, "one keystroke in a converter",
        [&](bool b) {
            b ? sendKey(box, Qt::Key_5, QStringLiteral("5")) : sendKey(box, Qt::Key_Backspace, {});
        },
        box);
    return 0;
}
