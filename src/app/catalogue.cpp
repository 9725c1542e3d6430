// The window's controls, one line each, in the order the window creates them: kind, name,
// parent, position and size in twips, TabIndex, caption and design-time properties.
#include "app/form1.h"

#include "app/makersite.h"
#include "fuel/fuelscales.h"
#include "platform/twips.h"

using namespace colours;

void Form1::createControls() {
    const Design boxed{.back = windowBackground, .border = true, .centred = true};
    const Design result{.back = lightGrey, .fore = blue, .border = true, .centred = true};
    const Design autoSize{.autoSize = true};

    // A table reads best with one control to a line.
    // clang-format off
    cmbFuelType = list(this, "cmbFuelType", {1080, 120, 2775, 315}, 0);
    cmdClose = button(this, "cmdClose", {3360, 6720, 1215, 375}, 113, "&Close");
    cmdCopy = button(this, "cmdCopy", {2160, 6720, 1095, 375}, 20, "C&opy", {.enabled = false, .toolTip = "Copy values to Clipboard, Choose Paste (CTRL+V) in any text application"});
    cmdPrint = button(this, "cmdPrint", {3360, 6240, 1215, 375}, 19, "&Print", {.enabled = false, .toolTip = "Print values"});
    cmdCalc = button(this, "cmdCalc", {2160, 6240, 1095, 375}, 108, "C&alculator", {.toolTip = "Open calculator"});
    Frame1[2] = frame({"Frame1", 2}, {120, 480, 4455, 5655}, 58);
    Frame1[3] = frame({"Frame1", 3}, {120, 480, 4455, 5655}, 68);
    cmbVolumeGrads = list(this, "cmbVolumeGrads", {1680, 480, 2175, 315}, 8);
    Frame1[0] = frame({"Frame1", 0}, {120, 840, 4455, 5295}, 21);
    Frame1[1] = frame({"Frame1", 1}, {120, 840, 4455, 5295}, 47);
    Label9 = label(this, "Label9", {120, 6360, 1935, 255}, 114, "Quillfen Software", {.fore = blue, .centred = true, .toolTip = "Click here to go to Quillfen Software."});
    Label1[6] = label(this, {"Label1", 6}, {240, 480, 1335, 255}, 48, "Scale standard");
    lblSite = label(this, "lblSite", {120, 6720, 1935, 255}, 46, makerSiteHost, {.fore = blue, .centred = true, .toolTip = "Click here to go to Quillfen Software."});
    vscrTotVol = spin(Frame1[0], "vscrTotVol", {2955, 360, 375, 375}, 11, fuelScale::volumeRange);
    chkAddIsOil = checkBox(Frame1[0], "chkAddIsOil", {1920, 3000, 2175, 255}, 17, "< additive is part of oil %", 1);
    txtOther = textBox(Frame1[0], "txtOther", {1080, 3000, 735, 285}, 16, "EDL");
    vscrInPercent[0] = spin(Frame1[0], {"vscrInPercent", 0}, {240, 4080, 375, 375}, 18, fuelScale::percentRange);
    vscrInPercent[1] = spin(Frame1[0], {"vscrInPercent", 1}, {240, 1080, 375, 375}, 12, fuelScale::percentRange);
    vscrInPercent[2] = spin(Frame1[0], {"vscrInPercent", 2}, {240, 1800, 375, 375}, 13, fuelScale::percentRange);
    vscrInPercent[3] = spin(Frame1[0], {"vscrInPercent", 3}, {240, 2520, 375, 375}, 14, fuelScale::percentRange);
    vscrInPercent[4] = spin(Frame1[0], {"vscrInPercent", 4}, {240, 3360, 375, 375}, 15, fuelScale::percentRange);
    lblOilTotal = label(Frame1[0], "lblOilTotal", {960, 4920, 2295, 255}, 57, "", {.back = lightGrey, .fore = blue, .border = true});
    Label1[5] = label(Frame1[0], {"Label1", 5}, {240, 360, 1080, 195}, 55, "Total Volume =", {.centred = true, .autoSize = true});
    lblTotalVol = label(Frame1[0], "lblTotalVol", {1515, 360, 1455, 300}, 22, "", boxed);
    lblVolumeOut[0] = label(Frame1[0], {"lblVolumeOut", 0}, {1800, 4080, 1005, 300}, 38, "", boxed);
    lblVolumeOut[1] = label(Frame1[0], {"lblVolumeOut", 1}, {1800, 1080, 1005, 300}, 37, "", boxed);
    lblVolumeOut[2] = label(Frame1[0], {"lblVolumeOut", 2}, {1800, 1800, 1005, 300}, 36, "", boxed);
    lblVolumeOut[3] = label(Frame1[0], {"lblVolumeOut", 3}, {1800, 2520, 1005, 300}, 35, "", boxed);
    lblVolumeOut[4] = label(Frame1[0], {"lblVolumeOut", 4}, {1800, 3360, 1005, 300}, 34, "", boxed);
    lblPercentIn[0] = label(Frame1[0], {"lblPercentIn", 0}, {720, 4080, 615, 300}, 33, "", boxed);
    lblPercentIn[1] = label(Frame1[0], {"lblPercentIn", 1}, {720, 1080, 615, 300}, 32, "", boxed);
    lblPercentIn[2] = label(Frame1[0], {"lblPercentIn", 2}, {720, 1800, 615, 300}, 31, "", boxed);
    lblPercentIn[3] = label(Frame1[0], {"lblPercentIn", 3}, {720, 2520, 615, 300}, 30, "", boxed);
    lblPercentIn[4] = label(Frame1[0], {"lblPercentIn", 4}, {720, 3360, 615, 300}, 29, "", boxed);
    lblIndicate = label(Frame1[0], "lblIndicate", {960, 4560, 3255, 255}, 28, "", {.back = lightGrey, .fore = darkRed, .border = true, .centred = true, .bold = true});
    lblVolumeOut2[0] = label(Frame1[0], {"lblVolumeOut2", 0}, {3240, 4080, 1005, 300}, 27, "", boxed);
    lblVolumeOut2[1] = label(Frame1[0], {"lblVolumeOut2", 1}, {3240, 1080, 1005, 300}, 26, "", boxed);
    lblVolumeOut2[2] = label(Frame1[0], {"lblVolumeOut2", 2}, {3240, 1800, 1005, 300}, 25, "", boxed);
    lblVolumeOut2[3] = label(Frame1[0], {"lblVolumeOut2", 3}, {3240, 2520, 1005, 300}, 24, "", boxed);
    lblVolumeOut2[4] = label(Frame1[0], {"lblVolumeOut2", 4}, {3240, 3360, 1005, 300}, 23, "", boxed);
    lblOut1[0] = label(Frame1[0], {"lblOut1", 0}, {1680, 840, 1215, 255}, 45, "", {.centred = true});
    lblOut1[1] = label(Frame1[0], {"lblOut1", 1}, {3120, 840, 1215, 255}, 44, "", {.centred = true});
    Label1[0] = label(Frame1[0], {"Label1", 0}, {240, 3840, 1335, 255}, 43, "Methanol");
    Label1[1] = label(Frame1[0], {"Label1", 1}, {240, 840, 1335, 255}, 42, "Nitro Methane");
    Label1[2] = label(Frame1[0], {"Label1", 2}, {240, 1560, 1335, 255}, 41, "Synthetic Oil");
    Label1[3] = label(Frame1[0], {"Label1", 3}, {240, 2280, 1335, 255}, 40, "Castor Oil");
    Label1[4] = label(Frame1[0], {"Label1", 4}, {240, 3000, 1695, 255}, 39, "Other > >");
    vscrPreInGas = spin(Frame1[1], "vscrPreInGas", {720, 840, 375, 375}, 9, fuelScale::volumeRange);
    vscrPreInRatio = spin(Frame1[1], "vscrPreInRatio", {720, 2040, 375, 375}, 10, fuelScale::ratioRange);
    Label6 = label(Frame1[1], "Label6", {2160, 3120, 135, 195}, 67, "or", autoSize);
    lblPreVolumeOut2[1] = label(Frame1[1], {"lblPreVolumeOut2", 1}, {2400, 3120, 1725, 300}, 66, "", boxed);
    lblTotPreVol = label(Frame1[1], "lblTotPreVol", {720, 3960, 2895, 255}, 56, "", result);
    Label3[0] = label(Frame1[1], {"Label3", 0}, {720, 1680, 1815, 255}, 54, "Ratio          (fuel : oil)");
    Label1[8] = label(Frame1[1], {"Label1", 8}, {480, 2760, 3615, 255}, 53, "Lube Oil to ADD to Gas / Petrol / Benz above");
    lblPreVolumeOut2[0] = label(Frame1[1], {"lblPreVolumeOut2", 0}, {360, 3120, 1725, 300}, 51, "", boxed);
    lblPreRatio = label(Frame1[1], "lblPreRatio", {1320, 2040, 1215, 300}, 50, "", boxed);
    lblPreGasVol = label(Frame1[1], "lblPreGasVol", {1320, 840, 1725, 300}, 49, "", boxed);
    Label1[7] = label(Frame1[1], {"Label1", 7}, {720, 480, 2295, 255}, 52, "Gas / Petrol / Benzine");
    vscrConvGRpm[1] = spin(Frame1[2], {"vscrConvGRpm", 1}, {2400, 1920, 375, 375}, 4, {0, 120, 1, 1, 5});
    vscrConvGRpm[0] = spin(Frame1[2], {"vscrConvGRpm", 0}, {2400, 1200, 375, 375}, 3, {0, 120, 1, 1, 22});
    vscrBattAmpRate = spin(Frame1[2], "vscrBattAmpRate", {480, 4440, 375, 375}, 6, {0, 4950, 5, 100, 500});
    cmbBattRate = list(Frame1[2], "cmbBattRate", {2520, 4440, 1215, 315}, 7);
    vscrBattRating = spin(Frame1[2], "vscrBattRating", {480, 3720, 375, 375}, 5, {0, 2000, 50, 100, 100});
    vscrConvGRatio[1] = spin(Frame1[2], {"vscrConvGRatio", 1}, {360, 1920, 375, 375}, 2, {0, 100, 1, 1, 50});
    vscrConvGRatio[0] = spin(Frame1[2], {"vscrConvGRatio", 0}, {360, 1200, 375, 375}, 1, {0, 10, 1, 1, 5});
    Label4[4] = label(Frame1[2], {"Label4", 4}, {2880, 1680, 870, 195}, 112, "Head speed", autoSize);
    Label4[3] = label(Frame1[2], {"Label4", 3}, {2880, 960, 975, 195}, 111, "Engine speed", autoSize);
    lblConvGRpm[1] = label(Frame1[2], {"lblConvGRpm", 1}, {2880, 1920, 1335, 300}, 110, "", {.back = lightGrey, .border = true, .centred = true});
    lblConvGRpm[0] = label(Frame1[2], {"lblConvGRpm", 0}, {2880, 1200, 1335, 300}, 109, "", boxed);
    Label8 = label(Frame1[2], "Label8", {2160, 4440, 135, 195}, 107, "or", autoSize);
    lblBatt[2] = label(Frame1[2], {"lblBatt", 2}, {840, 5160, 2775, 300}, 106, "", result);
    lblBatt[1] = label(Frame1[2], {"lblBatt", 1}, {960, 4440, 1095, 300}, 105, "", boxed);
    lblBatt[0] = label(Frame1[2], {"lblBatt", 0}, {960, 3720, 1215, 300}, 104, "", boxed);
    Label5[13] = label(Frame1[2], {"Label5", 13}, {2520, 4200, 1155, 195}, 103, "Charge rate ( C )", autoSize);
    Label5[12] = label(Frame1[2], {"Label5", 12}, {1320, 4920, 1800, 195}, 102, "Estimated Time to charge", autoSize);
    Label5[11] = label(Frame1[2], {"Label5", 11}, {480, 3480, 2130, 195}, 101, "Battery rating ( milliamp hours )", autoSize);
    Label5[8] = label(Frame1[2], {"Label5", 8}, {480, 4200, 1665, 195}, 100, "Charge rate ( milliamps )", autoSize);
    Label2[3] = label(Frame1[2], {"Label2", 3}, {360, 3120, 1425, 195}, 99, "Battery charge rates", autoSize);
    Label4[2] = label(Frame1[2], {"Label4", 2}, {360, 2520, 510, 195}, 65, "Ratio =", autoSize);
    Label2[0] = label(Frame1[2], {"Label2", 0}, {360, 600, 1485, 195}, 62, "Gear ratio (Governor)", autoSize);
    lblConvGRatioOut = label(Frame1[2], "lblConvGRatioOut", {960, 2520, 1215, 300}, 61, "", result);
    lblConvGRatio[1] = label(Frame1[2], {"lblConvGRatio", 1}, {840, 1920, 1215, 300}, 60, "", boxed);
    lblConvGRatio[0] = label(Frame1[2], {"lblConvGRatio", 0}, {840, 1200, 1215, 300}, 59, "", boxed);
    Label4[1] = label(Frame1[2], {"Label4", 1}, {360, 1680, 1515, 195}, 64, "Number of mast teeth", autoSize);
    Label4[0] = label(Frame1[2], {"Label4", 0}, {360, 960, 1665, 195}, 63, "Number of engine teeth", autoSize);
    txtConvTemp[0] = textBox(Frame1[3], {"txtConvTemp", 0}, {960, 5160, 855, 300}, 81, "");
    txtConvTemp[1] = textBox(Frame1[3], {"txtConvTemp", 1}, {2400, 5160, 855, 300}, 82, "");
    txtConvTorq[1] = textBox(Frame1[3], {"txtConvTorq", 1}, {2520, 4320, 855, 300}, 80, "");
    txtConvTorq[0] = textBox(Frame1[3], {"txtConvTorq", 0}, {1080, 4320, 855, 300}, 79, "");
    txtConvVol[0] = textBox(Frame1[3], {"txtConvVol", 0}, {960, 2400, 855, 300}, 73, "");
    txtConvVol[1] = textBox(Frame1[3], {"txtConvVol", 1}, {2520, 2400, 855, 300}, 74, "");
    txtConvVol[4] = textBox(Frame1[3], {"txtConvVol", 4}, {960, 3480, 855, 300}, 77, "");
    txtConvVol[3] = textBox(Frame1[3], {"txtConvVol", 3}, {2400, 3000, 855, 300}, 76, "");
    txtConvLen[0] = textBox(Frame1[3], {"txtConvLen", 0}, {1080, 720, 855, 300}, 69, "");
    txtConvLen[1] = textBox(Frame1[3], {"txtConvLen", 1}, {2520, 720, 855, 300}, 70, "");
    txtConvLen[2] = textBox(Frame1[3], {"txtConvLen", 2}, {1080, 1200, 855, 300}, 71, "");
    txtConvLen[3] = textBox(Frame1[3], {"txtConvLen", 3}, {2520, 1200, 855, 300}, 72, "");
    txtConvVol[5] = textBox(Frame1[3], {"txtConvVol", 5}, {2400, 3480, 855, 300}, 78, "");
    txtConvVol[2] = textBox(Frame1[3], {"txtConvVol", 2}, {960, 3000, 855, 300}, 75, "");
    Label7[6] = label(Frame1[3], {"Label7", 6}, {2040, 2400, 180, 195}, 123, "<>", autoSize);
    Label5[17] = label(Frame1[3], {"Label5", 17}, {240, 5160, 495, 195}, 122, "Celsius", autoSize);
    Label5[16] = label(Frame1[3], {"Label5", 16}, {3480, 5160, 660, 195}, 121, "Farenheit", autoSize);
    Label2[5] = label(Frame1[3], {"Label2", 5}, {240, 4800, 1725, 195}, 120, "Temperature conversion", autoSize);
    Label7[5] = label(Frame1[3], {"Label7", 5}, {2040, 5160, 180, 195}, 119, "<>", autoSize);
    Label7[4] = label(Frame1[3], {"Label7", 4}, {2160, 4320, 180, 195}, 118, "<>", autoSize);
    Label2[4] = label(Frame1[3], {"Label2", 4}, {240, 3960, 1335, 195}, 117, "Torque conversion", autoSize);
    Label5[15] = label(Frame1[3], {"Label5", 15}, {3480, 4320, 585, 195}, 116, "Kg / Cm", autoSize);
    Label5[14] = label(Frame1[3], {"Label5", 14}, {240, 4320, 675, 195}, 115, "Oz / Inch", autoSize);
    Label5[9] = label(Frame1[3], {"Label5", 9}, {3600, 720, 480, 195}, 98, "Inches", autoSize);
    Label5[10] = label(Frame1[3], {"Label5", 10}, {3600, 1200, 315, 195}, 97, "Feet", autoSize);
    Label2[1] = label(Frame1[3], {"Label2", 1}, {240, 1800, 1350, 195}, 96, "Volume conversion", autoSize);
    Label2[2] = label(Frame1[3], {"Label2", 2}, {240, 360, 1320, 195}, 95, "Length conversion", autoSize);
    Label5[0] = label(Frame1[3], {"Label5", 0}, {600, 2160, 1200, 195}, 94, "Cubic Centimetre", autoSize);
    Label5[1] = label(Frame1[3], {"Label5", 1}, {2520, 2160, 765, 195}, 93, "Cubic Inch", autoSize);
    Label5[2] = label(Frame1[3], {"Label5", 2}, {240, 3480, 375, 195}, 92, "Litres", autoSize);
    Label5[3] = label(Frame1[3], {"Label5", 3}, {3360, 3000, 840, 195}, 91, "US Fluid Oz", autoSize);
    Label5[4] = label(Frame1[3], {"Label5", 4}, {3360, 3480, 510, 195}, 90, "US Gal", autoSize);
    Label5[6] = label(Frame1[3], {"Label5", 6}, {240, 720, 765, 195}, 89, "Milli-metres", autoSize);
    Label5[7] = label(Frame1[3], {"Label5", 7}, {240, 1200, 480, 195}, 88, "Metres", autoSize);
    Label5[5] = label(Frame1[3], {"Label5", 5}, {240, 3000, 615, 195}, 87, "Milli-litres", autoSize);
    Label7[0] = label(Frame1[3], {"Label7", 0}, {2160, 720, 180, 195}, 86, "<>", autoSize);
    Label7[1] = label(Frame1[3], {"Label7", 1}, {2160, 1200, 180, 195}, 85, "<>", autoSize);
    Label7[2] = label(Frame1[3], {"Label7", 2}, {2040, 3000, 180, 195}, 84, "<>", autoSize);
    Label7[3] = label(Frame1[3], {"Label7", 3}, {2040, 3480, 180, 195}, 83, "<>", autoSize);
    // clang-format on
}

template <typename Control>
Control* Form1::place(Control* control, Name name, const Twips& at, int tabIndex) {
    control->setObjectName(name.index < 0
                               ? QString::fromLatin1(name.base)
                               : QStringLiteral("%1(%2)").arg(QLatin1String(name.base)).arg(name.index));
    control->setGeometry(toPixels(at));
    m_controls.push_back({control, tabIndex});
    return control;
}

Label* Form1::label(QWidget* parent, Name name, const Twips& at, int tabIndex, const char* caption,
                    const Design& design) {
    auto* label = place(new Label(parent, design.back.value_or(buttonFace), design.fore.value_or(windowText)),
                        name, at, tabIndex);
    label->setBorder(design.border);
    label->setCentred(design.centred);
    label->setBold(design.bold);
    label->setCaption(QString::fromUtf8(caption));
    label->setAutoSize(design.autoSize);
    if (design.toolTip)
        label->setToolTip(QString::fromUtf8(design.toolTip));
    return label;
}

SpinButton* Form1::spin(QWidget* parent, Name name, const Twips& at, int tabIndex, SpinRange range) {
    return place(new SpinButton(parent, range), name, at, tabIndex);
}

DropDownList* Form1::list(QWidget* parent, Name name, const Twips& at, int tabIndex) {
    return place(new DropDownList(parent), name, at, tabIndex);
}

QPushButton* Form1::button(QWidget* parent, Name name, const Twips& at, int tabIndex, const char* caption,
                           const Design& design) {
    auto* button = place(new QPushButton(QString::fromUtf8(caption), parent), name, at, tabIndex);
    button->setAutoDefault(false);
    button->setEnabled(design.enabled);
    if (design.toolTip)
        button->setToolTip(QString::fromUtf8(design.toolTip));
    return button;
}

QFrame* Form1::frame(Name name, const Twips& at, int tabIndex) {
    auto* frame = place(new QFrame(this), name, at, tabIndex);
    frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
    // A page hides whatever lies under it, the unit list included.
    frame->setAutoFillBackground(true);
    return frame;
}

TextBox* Form1::textBox(QWidget* parent, Name name, const Twips& at, int tabIndex, const char* text) {
    auto* box = place(new TextBox(parent), name, at, tabIndex);
    box->setText(QString::fromUtf8(text));
    return box;
}

CheckBox* Form1::checkBox(QWidget* parent, Name name, const Twips& at, int tabIndex, const char* caption,
                          int value) {
    auto* box = place(new CheckBox(parent), name, at, tabIndex);
    box->setText(QString::fromUtf8(caption));
    box->setValue(value);
    return box;
}
