#include "convert/converters.h"

#include "convert/texttonumber.h"
#include "window/formcontrols.h"

Converters::Converters(FormControls& form)
    : QObject(&form)
    , f(form) {
    connectBoxes(Converter::length, &Converters::txtConvLen_Change, &Converters::txtConvLen_GotFocus,
                 &Converters::txtConvLen_LostFocus);
    connectBoxes(Converter::volume, &Converters::txtConvVol_Change, &Converters::txtConvVol_GotFocus,
                 &Converters::txtConvVol_LostFocus);
    connectBoxes(Converter::torque, &Converters::txtConvTorq_Change, &Converters::txtConvTorq_GotFocus,
                 &Converters::txtConvTorq_LostFocus);
    connectBoxes(Converter::temperature, &Converters::txtConvTemp_Change, &Converters::txtConvTemp_GotFocus,
                 &Converters::txtConvTemp_LostFocus);
}

template <typename Handler>
void Converters::connectBoxes(Converter converter, Handler change, Handler gotFocus, Handler lostFocus) {
    const std::span<TextBox* const> boxes = boxesOf(converter);
    for (int i = 0; i < int(boxes.size()); ++i) {
        connect(boxes[i], &TextBox::change, this, [=, this] { (this->*change)(i); });
        connect(boxes[i], &TextBox::gotFocus, this, [=, this] { (this->*gotFocus)(i); });
        connect(boxes[i], &TextBox::lostFocus, this, [=, this] { (this->*lostFocus)(i); });
    }
}

void Converters::convert(Converter converter, int Index) {
    // Only the box the user is in converts, so setting its partner never converts back and the
    // text being typed is never rewritten.
    if (Index != focusIndexOf(converter))
        return;
    const Conversion& conversion = conversionsOf(converter)[Index];
    const double x = textToNumber(boxesOf(converter)[Index]->text());
    TextBox* partner = boxesOf(converter)[conversion.partner];
    partner->setText(partnerText(f.numbers(), conversion, x));
    // A number too long for the box is cut at its end, not its start.
    partner->setCursorPosition(0);
}

void Converters::gotFocus(Converter converter, int Index) {
    TextBox* box = boxesOf(converter)[Index];
    box->setBackColor(colours::yellow);
    box->selectWholeText();
    focusIndexOf(converter) = static_cast<std::int16_t>(Index);
}

void Converters::lostFocus(Converter converter, int Index) {
    TextBox* box = boxesOf(converter)[Index];
    box->setBackColor(f.cmbFuelType->backColor());
    // Selecting the whole text on the way in scrolled a long number to its end; out of the focus
    // it shows from its first digit again, as its partner does.
    box->setCursorPosition(0);
}

std::span<TextBox* const> Converters::boxesOf(Converter converter) const {
    switch (converter) {
    case Converter::length:
        return f.txtConvLen;
    case Converter::volume:
        return f.txtConvVol;
    case Converter::torque:
        return f.txtConvTorq;
    case Converter::temperature:
        break;
    }
    return f.txtConvTemp;
}

std::int16_t& Converters::focusIndexOf(Converter converter) {
    switch (converter) {
    case Converter::length:
        return f.lenFocusIndex;
    case Converter::volume:
        return f.volFocusIndex;
    case Converter::torque:
        return f.torqFocusIndex;
    case Converter::temperature:
        break;
    }
    return f.tempFocusIndex;
}
