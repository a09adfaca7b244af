#pragma once

#include <QColor>
#include <QString>
#include <QStringView>
#include <optional>

// Colours are stored as text: "&H" followed by the hexadecimal digits of a 0x00BBGGRR value
// (red in the low byte). "&HFF" is pure red, "&HFF0000" pure blue, "&H0" black.

// The colour of a colour text. All digits after "&H" are read as one unsigned number,
// whatever their count (upper or lower case); the byte above blue is ignored. Nothing when
// the text is not "&H" followed by hexadecimal digits, or their value passes 32 bits.
std::optional<QColor> ColorFromText(QStringView text);
