#pragma once

#include <QByteArrayView>
#include <optional>

// Splits a buffer into lines without copying. A line ends at LF; a CR just before the LF is
// dropped, so files with CR LF and with LF line ends read alike. A last line without a line
// end is still a line.
class LineReader {
  public:
    explicit LineReader(QByteArrayView data) : data_(data) {
        // A UTF-8 byte-order mark, as some text editors write it, is not part of line 1.
        if (data_.startsWith("\xEF\xBB\xBF")) pos_ = 3;
    }

    bool atEnd() const { return pos_ >= data_.size(); }
    int lineNumber() const { return lineNumber_; } // of the line read last, from 1
    // Everything after the line read last, as it stands.
    QByteArrayView remaining() const { return data_.sliced(pos_); }

    std::optional<QByteArrayView> next() {
        if (atEnd()) return std::nullopt;
        const qsizetype end = data_.indexOf('\n', pos_);
        const qsizetype stop = end < 0 ? data_.size() : end;
        QByteArrayView line = data_.sliced(pos_, stop - pos_);
        if (line.endsWith('\r')) line.chop(1);
        pos_ = end < 0 ? data_.size() : end + 1;
        ++lineNumber_;
        return line;
    }

    // How many of the lines that follow, up to the next empty line or the end, are at least
    // `shortest` bytes long; reads nothing. Lets a reader make room for a run of entry lines
    // at once (a shorter line is no entry).
    qsizetype linesBeforeEmpty(qsizetype shortest) const {
        LineReader ahead = *this;
        qsizetype count = 0;
        while (const std::optional<QByteArrayView> line = ahead.next()) {
            if (line->isEmpty()) break;
            if (line->size() >= shortest) ++count;
        }
        return count;
    }

  private:
    QByteArrayView data_;
    qsizetype pos_ = 0;
    int lineNumber_ = 0;
};
