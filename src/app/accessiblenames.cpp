#include "app/accessiblenames.h"

#include "app/form1.h"

#include <QStringView>

namespace {

struct Naming {
    QWidget* input;
    Label* label;     // the visible text the input is known by
    const char* name; // or a name of its own, where no label names it
};

// A pointer at the end of a caption: spaces, then '=' or '>' signs, then only spaces and '>'.
bool isPointer(QStringView tail) {
    qsizetype k = 0;
    while (k < tail.size() && tail[k].isSpace())
        ++k;
    const qsizetype signs = k;
    while (k < tail.size() && (tail[k] == u'=' || tail[k] == u'>'))
        ++k;
    if (k == signs)
        return false;
    for (; k < tail.size(); ++k) {
        if (!tail[k].isSpace() && tail[k] != u'>')
            return false;
    }
    return true;
}

// "Total Volume =", "Other > >", "Ratio          (fuel : oil)", "( milliamps )": the words a
// listener needs, without the layout's padding and pointers. Plain loops rather than regular
// expressions: the expression library alone added half a megabyte to the running window.
QString spoken(const QString& caption) {
    QStringView text(caption);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isPointer(text.mid(i))) {
            text.truncate(i);
            break;
        }
    }
    QString tidy;
    for (const QChar c : text) {
        if (c.isSpace() && tidy.endsWith(u'('))
            continue;
        if (c == u')') {
            while (!tidy.isEmpty() && tidy.back().isSpace())
                tidy.chop(1);
        }
        tidy.append(c);
    }
    return tidy.simplified();
}

} // namespace

void nameInputsAfterTheirLabels(Form1& f) {
    // clang-format off
    const Naming namings[] = {
        {f.cmbFuelType, nullptr, "Page"},
        {f.cmbVolumeGrads, f.Label1[6], nullptr},
        {f.vscrTotVol, f.Label1[5], nullptr},
        {f.vscrInPercent[0], f.Label1[0], nullptr},
        {f.vscrInPercent[1], f.Label1[1], nullptr},
        {f.vscrInPercent[2], f.Label1[2], nullptr},
        {f.vscrInPercent[3], f.Label1[3], nullptr},
        {f.vscrInPercent[4], f.Label1[4], nullptr},
        {f.txtOther, nullptr, "Other additive name"},
        {f.vscrPreInGas, f.Label1[7], nullptr},
        {f.vscrPreInRatio, f.Label3[0], nullptr},
        {f.vscrConvGRatio[0], f.Label4[0], nullptr},
        {f.vscrConvGRatio[1], f.Label4[1], nullptr},
        {f.vscrConvGRpm[0], f.Label4[3], nullptr},
        {f.vscrConvGRpm[1], f.Label4[4], nullptr},
        {f.vscrBattRating, f.Label5[11], nullptr},
        {f.vscrBattAmpRate, f.Label5[8], nullptr},
        {f.cmbBattRate, f.Label5[13], nullptr},
        {f.txtConvLen[0], f.Label5[6], nullptr},
        {f.txtConvLen[1], f.Label5[9], nullptr},
        {f.txtConvLen[2], f.Label5[7], nullptr},
        {f.txtConvLen[3], f.Label5[10], nullptr},
        {f.txtConvVol[0], f.Label5[0], nullptr},
        {f.txtConvVol[1], f.Label5[1], nullptr},
        {f.txtConvVol[2], f.Label5[5], nullptr},
        {f.txtConvVol[3], f.Label5[3], nullptr},
        {f.txtConvVol[4], f.Label5[2], nullptr},
        {f.txtConvVol[5], f.Label5[4], nullptr},
        {f.txtConvTorq[0], f.Label5[14], nullptr},
        {f.txtConvTorq[1], f.Label5[15], nullptr},
        {f.txtConvTemp[0], f.Label5[17], nullptr},
        {f.txtConvTemp[1], f.Label5[16], nullptr},
    };
    // clang-format on
    for (const Naming& naming : namings) {
        naming.input->setAccessibleName(naming.label ? spoken(naming.label->caption())
                                                     : QString::fromUtf8(naming.name));
        // The label also names the input through a relation: a list on Linux speaks its item as
        // its name and leaves the label to the relation.
        if (naming.label)
            naming.label->setBuddy(naming.input);
    }
}
