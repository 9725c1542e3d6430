#include "output/resultsreport.h"

#include "fuel/fuelscales.h"

namespace {

const QString lineBreak = QStringLiteral("\r\n");
const QString ruleLine = QString(10, u'~');

QString glowFuelReport(const FormControls& f) {
    const QString emptyLine = lineBreak + lineBreak;
    QString report = QStringLiteral("For total Glow Fuel volume of ") + f.lblTotalVol->caption() + emptyLine +
                     ruleLine + emptyLine;
    for (int i = 0; i < int(f.vscrInPercent.size()); ++i) {
        // A component at 0 % has no line.
        if (f.vscrInPercent[i]->value() == fuelScale::percentBase)
            continue;
        // The additive goes by the name the user gave it, never by its row's caption.
        const QString name = i == fuelScale::otherAdditive ? f.txtOther->text() : f.Label1[i]->caption();
        report += f.lblPercentIn[i]->caption() + u' ' + name + QStringLiteral(" = ") +
                  f.lblVolumeOut[i]->caption() + u' ' + f.lblOut1[0]->caption() + QStringLiteral(" or ") +
                  f.lblVolumeOut2[i]->caption() + u' ' + f.lblOut1[1]->caption() + emptyLine;
    }
    return report + ruleLine + emptyLine + f.lblOilTotal->caption();
}

QString preMixReport(const FormControls& f) {
    const QStringList lines{
        QStringLiteral("For Pre-Mix Fuel ratio of ") + f.lblPreRatio->caption(),
        QString(),
        ruleLine,
        QStringLiteral("Lube Oil = ") + f.lblPreVolumeOut2[0]->caption() + QStringLiteral(" (") +
            f.lblPreVolumeOut2[1]->caption() + u')',
        QStringLiteral("Gasoline / Petrol = ") + f.lblPreGasVol->caption(),
        QString(),
        f.lblTotPreVol->caption(),
        QString(),
        ruleLine,
    };
    return lines.join(lineBreak) + lineBreak;
}

} // namespace

QString buildResultsReport(const FormControls& f) {
    switch (f.cmbFuelType->listIndex()) {
    case 0:
        return glowFuelReport(f);
    case 1:
        return preMixReport(f);
    default:
        return {};
    }
}
