#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <array>

// A fixed-width text field: always exactly N characters. A shorter value is padded on the
// right with spaces and a longer one is cut to N characters. The characters live inline, so
// a table of a hundred thousand records costs no allocation per field.
template <int N> class FixedText {
  public:
    FixedText() { chars_.fill(QChar(u' ')); }
    FixedText(QStringView value) { assign(value); }    // NOLINT: implicit on purpose
    FixedText(const QString& value) { assign(value); } // NOLINT
    FixedText(const char* value) : FixedText(QString::fromLatin1(value)) {}

    void assign(QStringView value) {
        for (int i = 0; i < N; ++i)
            chars_[i] = i < value.size() ? value[i] : QChar(u' ');
    }
    // The field from N bytes of a file line, one character per byte: the fixed fields are
    // ASCII, and a byte outside ASCII (a damaged line) becomes '?' and a line break a space,
    // so that the field stays exactly N characters and N bytes on one line. Missing bytes
    // are spaces.
    static FixedText fromAscii(QByteArrayView bytes) {
        FixedText field;
        for (int i = 0; i < N && i < bytes.size(); ++i)
            field.chars_[i] = QChar(fileChar(static_cast<unsigned char>(bytes[i])));
        return field;
    }
    // The field as N bytes for a file line, with the same rule.
    QByteArray toAscii() const {
        QByteArray bytes(N, ' ');
        for (int i = 0; i < N; ++i)
            bytes[i] = static_cast<char>(fileChar(chars_[i].unicode()));
        return bytes;
    }

    QString text() const { return QString(chars_.data(), N); }
    QStringView view() const { return QStringView(chars_.data(), N); }
    QChar at(int i) const { return chars_[i]; }
    // The numeric value of characters [from, from + count) as a whole number (leading and
    // trailing spaces allowed), or -1 when they are not digits.
    int number(int from, int count) const {
        const QStringView part = view().mid(from, count).trimmed();
        bool ok = false;
        const int value = part.toInt(&ok);
        return ok && !part.startsWith(u'-') && !part.startsWith(u'+') ? value : -1;
    }
    bool isBlank() const { return view().trimmed().isEmpty(); }
    static constexpr int width() { return N; }

    friend bool operator==(const FixedText&, const FixedText&) = default;

  private:
    // A character as a fixed field of a file line holds it: ASCII, with a line break turned
    // into a space (it would split the line) and anything else outside ASCII into '?'.
    static char16_t fileChar(char16_t c) {
        if (c == u'\r' || c == u'\n') return u' ';
        return c < 0x80 ? c : u'?';
    }

    std::array<QChar, N> chars_;
};
