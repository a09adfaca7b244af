#include "platform/CommandLineNames.h"

#include <QCoreApplication>
#include <QFile>

namespace {

// The length of the UTF-8 sequence that a lead byte begins, or 0 for a byte that begins none
// or is a control character (shown escaped as well, never sent to a terminal as it is).
int sequenceLength(unsigned char lead) {
    if (lead < 0x20 || lead == 0x7F) return 0;
    if (lead < 0x80) return 1;
    if (lead >= 0xC2 && lead <= 0xDF) return 2;
    if (lead >= 0xE0 && lead <= 0xEF) return 3;
    if (lead >= 0xF0 && lead <= 0xF4) return 4;
    return 0;
}

} // namespace

DecodedArguments DecodeArguments(int argc, const char* const* argv) {
    DecodedArguments decoded;
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView bytes(argv[i]);
        const QString text = QFile::decodeName(argv[i]);
        if (QFile::encodeName(text) == bytes)
            decoded.arguments << text;
        else
            decoded.refused << ShownName(bytes);
    }
    return decoded;
}

QString ShownName(QByteArrayView bytes) {
    QString shown;
    for (qsizetype i = 0; i < bytes.size();) {
        const int length = sequenceLength(static_cast<unsigned char>(bytes[i]));
        if (length > 0 && i + length <= bytes.size() && bytes.sliced(i, length).isValidUtf8()) {
            shown += QString::fromUtf8(bytes.sliced(i, length));
            i += length;
        } else {
            shown += QStringLiteral("\\x%1").arg(int(static_cast<unsigned char>(bytes[i])), 2, 16,
                                                 QLatin1Char('0'));
            ++i;
        }
    }
    return shown;
}

QString NotUtf8Reason() {
    return QCoreApplication::translate("CommandLineNames",
                                       "Its name is not UTF-8 text, and only files named in "
                                       "UTF-8 can be opened or saved. Rename the file to use it.");
}

QString NotUtf8Message(const QString& shown) {
    return QCoreApplication::translate("CommandLineNames", "\"%1\" cannot be used. %2")
        .arg(shown, NotUtf8Reason());
}
