// The one window: every control of the four pages, the window-level state the pages share,
// loading, the page selector, Close and Calculator. The pages install their own handlers.
#pragma once

#include "numbers/amount.h"
#include "numbers/numberformat.h"
#include "platform/checkbox.h"
#include "platform/colouring.h"
#include "platform/droplist.h"
#include "platform/label.h"
#include "platform/spinbutton.h"
#include "platform/textbox.h"

#include <QFrame>
#include <QPushButton>
#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

class Desktop;
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

class Form1 : public QWidget {
    Q_OBJECT
public:
    explicit Form1(Desktop& desktop);

    // Loads the window the first time, then shows it with the page selector focused.
    void Show();

    QString Format(double value, QStringView pattern) const { return m_numbers.Format(value, pattern); }
    QString Format(Amount value, QStringView pattern) const { return m_numbers.Format(value, pattern); }
    // The same formatting, for plain functions that write a page's numbers without the window.
    const NumberFormat& numbers() const { return m_numbers; }

    Colour backColor() const { return m_colours.back(); }
    Desktop& desktop() const { return m_desktop; }

    // Window-level controls.
    DropDownList* cmbFuelType;
    QPushButton* cmdClose;
    QPushButton* cmdCopy;
    QPushButton* cmdPrint;
    QPushButton* cmdCalc;
    std::array<QFrame*, 4> Frame1;
    DropDownList* cmbVolumeGrads;
    Label* Label9;
    Label* lblSite;

    // Glow fuel page.
    SpinButton* vscrTotVol;
    CheckBox* chkAddIsOil;
    TextBox* txtOther;
    std::array<SpinButton*, 5> vscrInPercent;
    Label* lblOilTotal;
    Label* lblTotalVol;
    std::array<Label*, 5> lblVolumeOut;
    std::array<Label*, 5> lblPercentIn;
    Label* lblIndicate;
    std::array<Label*, 5> lblVolumeOut2;
    std::array<Label*, 2> lblOut1;

    // Pre-mix page.
    SpinButton* vscrPreInGas;
    SpinButton* vscrPreInRatio;
    Label* Label6;
    std::array<Label*, 2> lblPreVolumeOut2;
    Label* lblTotPreVol;
    Label* lblPreRatio;
    Label* lblPreGasVol;

    // Drive and battery page.
    std::array<SpinButton*, 2> vscrConvGRpm;
    SpinButton* vscrBattAmpRate;
    DropDownList* cmbBattRate;
    SpinButton* vscrBattRating;
    std::array<SpinButton*, 2> vscrConvGRatio;
    std::array<Label*, 2> lblConvGRpm;
    Label* Label8;
    std::array<Label*, 3> lblBatt;
    Label* lblConvGRatioOut;
    std::array<Label*, 2> lblConvGRatio;

    // Converter page.
    std::array<TextBox*, 2> txtConvTemp;
    std::array<TextBox*, 2> txtConvTorq;
    std::array<TextBox*, 6> txtConvVol;
    std::array<TextBox*, 4> txtConvLen;

    // Fixed texts, in the arrays they are numbered in.
    std::array<Label*, 9> Label1;
    std::array<Label*, 6> Label2;
    std::array<Label*, 1> Label3;
    std::array<Label*, 5> Label4;
    std::array<Label*, 18> Label5;
    std::array<Label*, 7> Label7;

    // Window-level state shared by the pages.
    std::int16_t percentFocusIndex = -1;
    std::int16_t speedInputIndex = 0;
    std::int16_t lenFocusIndex = 0;
    std::int16_t torqFocusIndex = 0;
    std::int16_t tempFocusIndex = 0;
    std::int16_t volFocusIndex = 0;
    QString volUnitSingular;
    QString volUnitPlural;

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

    Desktop& m_desktop;
    NumberFormat m_numbers;
    Colouring m_colours;
    std::vector<Entry> m_controls;
    bool m_loaded = false;
};
