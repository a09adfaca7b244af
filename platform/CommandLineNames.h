#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringList>

// The programs' arguments, decoded as the file system's names are (QFile::decodeName). Qt
// names files in UTF-8 and has no text for a name whose bytes are not valid UTF-8 (it would
// put replacement characters in their place and so name another file), so such an argument
// is refused with a message instead of being used.
struct DecodedArguments {
    QStringList arguments; // the arguments that decode faithfully, after the program's name
    QStringList refused;   // the others, as shown to the user (see ShownName)
};

// argv[1] to argv[argc - 1].
DecodedArguments DecodeArguments(int argc, const char* const* argv);

// Bytes of a name for a message: valid UTF-8 as its characters, every other byte and every
// control character as \x and two hex digits.
QString ShownName(QByteArrayView bytes);

// Why a refused name is not used, for a message that names it already.
QString NotUtf8Reason();
// The same with the name, for standard error.
QString NotUtf8Message(const QString& shown);
