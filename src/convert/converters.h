// The converter page: length, volume, torque and temperature, each a set of paired text boxes in
// which the box that last took the focus converts into its partner on every change of its text.
#pragma once

#include "convert/conversions.h"

#include <QObject>
#include <cstdint>
#include <span>

class FormControls;
class TextBox;

class Converters : public QObject {
    Q_OBJECT
public:
    explicit Converters(FormControls& form);

private:
    template <typename Handler>
    void connectBoxes(Converter converter, Handler change, Handler gotFocus, Handler lostFocus);

    void txtConvLen_Change(int Index) { convert(Converter::length, Index); }
    void txtConvLen_GotFocus(int Index) { gotFocus(Converter::length, Index); }
    void txtConvLen_LostFocus(int Index) { lostFocus(Converter::length, Index); }
    void txtConvVol_Change(int Index) { convert(Converter::volume, Index); }
    void txtConvVol_GotFocus(int Index) { gotFocus(Converter::volume, Index); }
    void txtConvVol_LostFocus(int Index) { lostFocus(Converter::volume, Index); }
    void txtConvTorq_Change(int Index) { convert(Converter::torque, Index); }
    void txtConvTorq_GotFocus(int Index) { gotFocus(Converter::torque, Index); }
    void txtConvTorq_LostFocus(int Index) { lostFocus(Converter::torque, Index); }
    void txtConvTemp_Change(int Index) { convert(Converter::temperature, Index); }
    void txtConvTemp_GotFocus(int Index) { gotFocus(Converter::temperature, Index); }
    void txtConvTemp_LostFocus(int Index) { lostFocus(Converter::temperature, Index); }

    void convert(Converter converter, int Index);
    void gotFocus(Converter converter, int Index);
    void lostFocus(Converter converter, int Index);
    std::span<TextBox* const> boxesOf(Converter converter) const;
    std::int16_t& focusIndexOf(Converter converter);

    FormControls& f;
};
