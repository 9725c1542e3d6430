// The window as its pages see it: every control of the catalogue, the window-level state the pages
// share, and the number format and desktop they write with. The window on top of the pages
// (Form1) creates the controls; the pages are handed this and never reach up to the window.
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

class Desktop;

class FormControls : public QWidget {
public:
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

protected:
    FormControls(Desktop& desktop, Qt::WindowFlags flags);

private:
    Desktop& m_desktop;
    NumberFormat m_numbers;
    Colouring m_colours;
};
