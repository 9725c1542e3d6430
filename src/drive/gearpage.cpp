#include "drive/gearpage.h"

#include "drive/gearmath.h"
#include "window/formcontrols.h"

namespace {

const QString rpmSuffix = QStringLiteral(" RPM");
// Engine speeds keep four digits and head speeds three, whichever of the two is the input.
constexpr QStringView enginePattern = u"0,000";
constexpr QStringView headPattern = u"#,000";

} // namespace

GearPage::GearPage(FormControls& form)
    : QObject(&form)
    , f(form) {
    for (int i = 0; i < int(f.vscrConvGRatio.size()); ++i) {
        SpinButton* teeth = f.vscrConvGRatio[i];
        connect(teeth, &SpinButton::change, this, [this, i] { vscrConvGRatio_Change(i); });
        connect(teeth, &SpinButton::gotFocus, this, [this, i] { vscrConvGRatio_GotFocus(i); });
        connect(teeth, &SpinButton::lostFocus, this, [this, i] { vscrConvGRatio_LostFocus(i); });
    }
    for (int i = 0; i < int(f.vscrConvGRpm.size()); ++i) {
        SpinButton* speed = f.vscrConvGRpm[i];
        connect(speed, &SpinButton::change, this, [this, i] { vscrConvGRpm_Change(i); });
        connect(speed, &SpinButton::gotFocus, this, [this, i] { vscrConvGRpm_GotFocus(i); });
        connect(speed, &SpinButton::lostFocus, this, [this, i] { vscrConvGRpm_LostFocus(i); });
    }
}

void GearPage::vscrConvGRatio_Change(int index) {
    const int value = f.vscrConvGRatio[index]->value();
    const int teeth = index == 0 ? engineTeeth(value) : mastTeeth(value);
    f.lblConvGRatio[index]->setCaption(QString::number(teeth) + QStringLiteral(" teeth"));
    calcHeadSpeed();
}

void GearPage::vscrConvGRatio_GotFocus(int index) {
    f.lblConvGRatio[index]->setBackColor(colours::yellow);
}

void GearPage::vscrConvGRatio_LostFocus(int index) {
    f.lblConvGRatio[index]->setBackColor(f.cmbFuelType->backColor());
}

void GearPage::vscrConvGRpm_Change(int index) {
    const int value = f.vscrConvGRpm[index]->value();
    const QString speed = index == 0 ? f.Format(double(engineRpm(value)), enginePattern)
                                     : f.Format(double(headRpm(value)), headPattern);
    f.lblConvGRpm[index]->setCaption(speed + rpmSuffix);
    calcHeadSpeed();
}

void GearPage::vscrConvGRpm_GotFocus(int index) {
    Label* input = f.lblConvGRpm[index];
    input->setBackColor(colours::yellow);
    input->setForeColor(f.cmbFuelType->foreColor());
    f.speedInputIndex = static_cast<std::int16_t>(index);
    Label* output = f.lblConvGRpm[index == 0 ? 1 : 0];
    output->setBackColor(f.lblConvGRatioOut->backColor());
    output->setForeColor(f.lblConvGRatioOut->foreColor());
}

void GearPage::vscrConvGRpm_LostFocus(int index) {
    f.lblConvGRpm[index]->setBackColor(f.cmbFuelType->backColor());
}

void GearPage::calcHeadSpeed() {
    const Amount ratio =
        gearRatio(engineTeeth(f.vscrConvGRatio[0]->value()), mastTeeth(f.vscrConvGRatio[1]->value()));
    f.lblConvGRatioOut->setCaption(f.Format(ratio, u"#0.00") + QStringLiteral(" : 1"));
    // Only the computed speed is written: the input's label already shows what its spin button says.
    if (f.speedInputIndex != 0) {
        const Amount engine = engineRpmFromHead(headRpm(f.vscrConvGRpm[1]->value()), ratio);
        f.lblConvGRpm[0]->setCaption(f.Format(engine, enginePattern) + rpmSuffix);
    } else {
        const double head = headRpmFromEngine(engineRpm(f.vscrConvGRpm[0]->value()), ratio);
        f.lblConvGRpm[1]->setCaption(f.Format(head, headPattern) + rpmSuffix);
    }
}
