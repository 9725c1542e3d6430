// Reads the number a person typed into a converter box: the longest leading decimal number, with a
// full stop as the only decimal separator whatever the locale; anything else reads as 0.
#pragma once

#include <QStringView>

// Blanks, tabs and line feeds are skipped wherever they stand. Only ASCII digits, one leading "+"
// or "-", one "." and an "E" or "e" exponent count; reading stops at any other character, so "1d",
// "0x10", "&H10" and "1,5" read as 1, 0, 0 and 1. A number beyond the range of a double reads as
// an infinity of its sign, one too small for it as zero. Linear in the length of the text.
double textToNumber(QStringView text);
