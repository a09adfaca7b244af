#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <vector>

class QRandomGenerator;

// The scrambling of entry lines and the key a calendar file carries for it on its key line.
// The generator scrambles the files it writes; every reader unscrambles.

// Adds to each byte of the line (counted from 1 as i) the code of the key's byte at
// (i mod key length) + 1, modulo 256: the first line byte pairs with the second key byte.
// An empty key leaves the line as it is.
QByteArray Scramble(QByteArrayView line, QByteArrayView key);

// The reverse: subtracts the same codes, modulo 256. An empty key returns the line unchanged.
QByteArray Unscramble(QByteArrayView line, QByteArrayView key);

// A key is made from a number v from 0 to 99999: v as five digits with leading zeros, and
// each of these digits as its character code in three decimal digits. A key is therefore
// 15 digits: five triples from 048 to 057.
QByteArray KeyForValue(int value);

// The usual keys: v = 11 * choice, choice from 0 to 999 (so v is 0 to 10989).
inline constexpr int kKeyChoices = 1000;
inline QByteArray KeyForChoice(int choice) {
    return KeyForValue(choice * 11);
}

// A key under which no scrambled line holds a carriage return or a line feed (the reader
// would split the line there), picked at random:
// - among the usual keys; when every one of them qualifies, the choice is the integer part
//   of 1000 times a random number from 0 up to 1;
// - when none of them does (names in some scripts, whose UTF-8 lead bytes 0xD1 to 0xDD come
//   close to the line breaks), among all five-digit values;
// - when none of those does either, a key of letters and digits, chosen position by
//   position, 15 characters long or as much longer as it takes. A key longer than every line
//   pairs each line position with a key position of its own, so for lines that differ only
//   in their date digits (one event name) such a key always exists;
// - only for lines whose bytes at one position cover every value: the empty key, under which
//   the entry lines are written plain.
// Letters and digits can never make the key line look like a header line or a heading.
QByteArray MakeScrambleKey(const std::vector<QByteArray>& lines, QRandomGenerator& random);
