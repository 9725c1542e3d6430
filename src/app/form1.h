// The one window: creates every control of the four pages from the catalogue, loads them, and
// runs the page selector, Close and Calculator. The pages install their own handlers.
#pragma once

#include "window/formcontrols.h"

#include <optional>
#include <vector>

struct Twips;

// How the catalogue names a control: "lblTotalVol", or "Label1" with index 6.
struct ControlName {
    ControlName(const char* base)
        : base(base) {}
    ControlName(const char* base, int index)
        : base(base)
        , index(index) {}
    const char* base;
    int index = -1;
};
// The design-time properties a catalogue line may set; the rest keep the toolkit defaults.
struct ControlDesign {
    std::optional<Colour> back;
    std::optional<Colour> fore;
    bool border = false;
    bool centred = false;
    bool bold = false;
    bool autoSize = false;
    bool enabled = true;
    const char* toolTip = nullptr;
};

class Form1 : public FormControls {
    Q_OBJECT
public:
    explicit Form1(Desktop& desktop);

    // Loads the window the first time, then shows it with the page selector focused.
    void Show();

    // Every control in creation order, with its TabIndex: the catalogue as the window holds it.
    struct Entry {
        QWidget* control;
        int tabIndex;
    };
    const std::vector<Entry>& controls() const { return m_controls; }

signals:
    // The pointer moved over the window's own surface, over no control; X and Y in twips from the
    // top-left corner of the client area.
    void mouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, float x, float y);

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    using Name = ControlName;
    using Design = ControlDesign;

    void createControls();
    void stackLabelsUnderControls();
    void orderTabStops();
    bool isUsMeasure() const;
    template <typename Control> Control* place(Control* control, Name name, const Twips& at, int tabIndex);
    Label* label(QWidget* parent, Name name, const Twips& at, int tabIndex, const char* caption,
                 const Design& design = {});
    SpinButton* spin(QWidget* parent, Name name, const Twips& at, int tabIndex, SpinRange range);
    DropDownList* list(QWidget* parent, Name name, const Twips& at, int tabIndex);
    QPushButton* button(QWidget* parent, Name name, const Twips& at, int tabIndex, const char* caption,
                        const Design& design = {});
    QFrame* frame(Name name, const Twips& at, int tabIndex);
    TextBox* textBox(QWidget* parent, Name name, const Twips& at, int tabIndex, const char* text);
    CheckBox* checkBox(QWidget* parent, Name name, const Twips& at, int tabIndex, const char* caption,
                       int value);

    void Form_Load();
    void cmbFuelType_Click() { cmbFuelType_Change(); }
    void cmbFuelType_Change();
    void cmdClose_Click();
    void cmdCalc_Click();

    std::vector<Entry> m_controls;
    bool m_loaded = false;
    bool m_iconScheduled = false; // from the first paint on
};
