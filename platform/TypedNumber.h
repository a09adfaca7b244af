#pragma once

#include <QStringView>
#include <optional>

// How a number typed into a text box beside a spin control is read, the same in every
// window of both programs.

// The whole number a typed text stands for: its leading number (leading blanks skipped,
// an optional sign, digits and a decimal fraction, reading stops at the first character
// that cannot continue it; no number at all is 0), rounded to the nearest whole number with
// halves going to the even neighbour. Very long numbers saturate instead of overflowing.
long long TypedNumber(QStringView text);

// The typed number when it lies within [lowest, highest], otherwise nothing: the box's text
// cannot be taken and the control falls back to a value of its own.
std::optional<int> TakeTypedNumber(QStringView text, int lowest, int highest);
