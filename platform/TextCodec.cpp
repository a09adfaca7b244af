#include "platform/TextCodec.h"

namespace {

// Code points of the bytes 0x80 to 0x9F in Windows-1252; the five undefined bytes keep their
// C1 control code so that nothing is lost.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

} // namespace

QString fromWindows1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char ch : bytes) {
        const auto byte = static_cast<unsigned char>(ch);
        *out++ = (byte >= 0x80 && byte <= 0x9F) ? QChar(kHighControls[byte - 0x80])
                                                : QChar(char16_t(byte));
    }
    return text;
}

FileEncoding lineEncoding(QByteArrayView line) {
    return line.isValidUtf8() ? FileEncoding::Utf8 : FileEncoding::Windows1252;
}

QString decodeText(QByteArrayView bytes, FileEncoding encoding) {
    if (encoding == FileEncoding::Windows1252) return fromWindows1252(bytes);
    return QString::fromUtf8(bytes);
}

QByteArray encodeText(const QString& text) {
    return text.toUtf8();
}
