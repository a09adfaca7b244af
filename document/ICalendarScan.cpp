#include "document/ICalendarScan.h"

#include <QByteArrayList>
#include <QCoreApplication>
#include <cctype>
#include <cstdlib>

namespace ical {

namespace {

struct Line {
    QByteArray text;
    int number = 0; // the file's line on which it begins
    int last = 0;   // and the one on which it ends
};

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
}

bool blankLine(QByteArrayView line) {
    for (const char c : line)
        if (!isBlank(c)) return false;
    return true;
}

// The file's content lines: physical lines split at LF (a CR before it dropped), a line that
// begins with a blank or a tab joined to the one before it without that character (RFC 5545
// folding). Blank lines and blanks before the first line are skipped.
std::vector<Line> contentLines(QByteArrayView text) {
    std::vector<Line> lines;
    int number = 1;
    qsizetype pos = 0;
    while (pos < text.size() && (isBlank(text[pos]) || text[pos] == '\n'))
        number += text[pos++] == '\n';
    for (; pos < text.size(); ++number) {
        qsizetype end = text.indexOf('\n', pos);
        if (end < 0) end = text.size();
        QByteArrayView physical = text.sliced(pos, end - pos);
        pos = end + 1;
        if (physical.endsWith('\r')) physical.chop(1);
        if (!lines.empty() && !physical.isEmpty() && (physical[0] == ' ' || physical[0] == '\t')) {
            lines.back().text += physical.sliced(1);
            lines.back().last = number;
        } else {
            lines.push_back({physical.toByteArray(), number, number});
        }
    }
    return lines;
}

// A property's name: the text before the first ';' or ':', blanks after it dropped.
QByteArray propertyName(QByteArrayView line) {
    qsizetype end = 0;
    while (end < line.size() && line[end] != ';' && line[end] != ':')
        ++end;
    if (end == line.size()) return {};
    QByteArrayView name = line.first(end);
    while (!name.isEmpty() && isBlank(name.back()))
        name.chop(1);
    return name.toByteArray().toUpper();
}

// A property's value: the text after the first ':' that is not inside a quoted parameter.
// Nothing when the line has none.
bool propertyValue(QByteArrayView line, QByteArrayView* value) {
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '"') quoted = !quoted;
        if (line[i] == ':' && !quoted) {
            *value = line.sliced(i + 1);
            return true;
        }
    }
    return false;
}

// The name of the component a BEGIN or END line names: its value up to a comma, without
// the blanks around it, in capitals.
QByteArray componentName(QByteArrayView line) {
    qsizetype start = 0;
    while (start < line.size() && line[start] != ';' && line[start] != ':')
        ++start;
    QByteArrayView value = line.sliced(qMin(start + 1, line.size()));
    const qsizetype comma = value.indexOf(',');
    if (comma >= 0) value = value.first(comma);
    return value.toByteArray().trimmed().toUpper();
}

// TEXT escapes undone: \n and \N a line break, \, \; and \\ the character itself.
QByteArray unescapedText(QByteArrayView value) {
    QByteArray text;
    text.reserve(value.size());
    for (qsizetype i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c != '\\' || i + 1 == value.size()) {
            text += c;
            continue;
        }
        const char next = value[++i];
        if (next == 'n' || next == 'N')
            text += '\n';
        else if (next == ',' || next == ';' || next == '\\')
            text += next;
        else
            text += '\\' + QByteArray(1, next);
    }
    return text;
}

// What a part of the file is, as the messages name it: "event", "to-do".
QString describe(const QByteArray& name) {
    if (name == "VEVENT") return QCoreApplication::translate("ICalendarScan", "event", "a part");
    if (name == "VTODO") return QCoreApplication::translate("ICalendarScan", "to-do", "a part");
    if (name == "VJOURNAL")
        return QCoreApplication::translate("ICalendarScan", "journal note", "a part");
    if (name == "VTIMEZONE")
        return QCoreApplication::translate("ICalendarScan", "time zone", "a part");
    if (name == "VFREEBUSY")
        return QCoreApplication::translate("ICalendarScan", "free/busy list", "a part");
    if (name == "VCALENDAR")
        return QCoreApplication::translate("ICalendarScan", "calendar", "a part");
    return QCoreApplication::translate("ICalendarScan", "item %1", "a part of an unknown kind")
        .arg(QString::fromLatin1(name.left(40)));
}

QByteArray offsetText(int seconds) {
    const char sign = seconds < 0 ? '-' : '+';
    seconds = std::abs(seconds);
    QByteArray text = sign + QByteArray::number(seconds / 3600).rightJustified(2, '0') +
                      QByteArray::number(seconds / 60 % 60).rightJustified(2, '0');
    if (seconds % 60) text += QByteArray::number(seconds % 60).rightJustified(2, '0');
    return text;
}

// Calendars hold events that hold alarms; nothing real nests deeper than a few parts. A file
// that does is refused before the library, which frees its parts recursively, meets it.
constexpr std::size_t kDeepest = 16;

enum class LineKind { Begin, End, Property };

// BEGIN and END lines as the library tells them apart from properties: the word in any
// case, blanks, then ':' or ';'.
LineKind kindOf(QByteArrayView line) {
    const auto is = [&](const char* word) {
        const qsizetype n = qsizetype(qstrlen(word));
        if (line.size() <= n || qstrnicmp(line.data(), word, n) != 0) return false;
        qsizetype i = n;
        while (i < line.size() && isBlank(line[i]))
            ++i;
        return i < line.size() && (line[i] == ':' || line[i] == ';');
    };
    if (is("BEGIN")) return LineKind::Begin;
    if (is("END")) return LineKind::End;
    return LineKind::Property;
}

class Scanner {
  public:
    ScannedFile run(QByteArrayView text) {
        for (const Line& line : contentLines(text)) {
            if (blankLine(line.text)) continue;
            last_ = line.last;
            switch (kindOf(line.text)) {
            case LineKind::Begin:
                begin(line);
                break;
            case LineKind::End:
                end(line);
                break;
            case LineKind::Property:
                property(line);
                break;
            }
        }
        endOutside();
        if (!open_.empty() && out_.refused.isEmpty()) out_.refused = incomplete();
        return std::move(out_);
    }

  private:
    struct Open {
        QByteArray name;
        int line;
        qsizetype textSize; // the length of the text before its BEGIN line
        bool item;
    };

    void put(QByteArrayView line) {
        out_.text += line;
        out_.text += '\n';
    }

    void begin(const Line& line) {
        endOutside();
        if (open_.size() >= kDeepest) {
            if (out_.refused.isEmpty())
                out_.refused =
                    QCoreApplication::translate("ICalendarScan",
                                                "The file is not an iCalendar file: its parts are "
                                                "nested more than %1 deep (line %2).")
                        .arg(kDeepest)
                        .arg(line.number);
            return;
        }
        const QByteArray name = componentName(line.text);
        // Nothing holds a part of its own kind: an open one of this kind ended unseen.
        for (std::size_t i = 0; i < open_.size(); ++i) {
            if (open_[i].name != name) continue;
            endUnended(i, line.number);
            break;
        }
        const bool item =
            open_.empty() ? name != "VCALENDAR" : open_.size() == 1 && open_[0].name == "VCALENDAR";
        open_.push_back({name, line.number, out_.text.size(), item});
        if (item) out_.items.push_back({line.number, {}, false, {}});
        put("BEGIN:" + name);
    }

    void end(const Line& line) {
        endOutside();
        const QByteArray name = componentName(line.text);
        auto match = open_.rbegin();
        while (match != open_.rend() && match->name != name)
            ++match;
        if (match == open_.rend()) {
            out_.notes << QCoreApplication::translate(
                              "ICalendarScan",
                              "Line %1 (END:%2) ends nothing that began before it; it was skipped.")
                              .arg(line.number)
                              .arg(QString::fromLatin1(name.left(40)));
            return;
        }
        const std::size_t keep = open_.size() - std::size_t(match - open_.rbegin());
        while (open_.size() > keep)
            dropUnended();
        put("END:" + name);
        open_.pop_back();
    }

    // A component whose END never came, closed by the END of one around it: its lines are
    // left out. An item is named; anything inside an item spoils the item, which may have
    // lost its own lines after that BEGIN.
    void dropUnended() {
        const Open top = open_.back();
        open_.pop_back();
        out_.text.truncate(top.textSize);
        const QString name = QString::fromLatin1(top.name.left(40));
        if (top.item) {
            out_.items.pop_back();
            out_.notes << QCoreApplication::translate(
                              "ICalendarScan",
                              "The %1 that begins at line %2 has no END:%3 line; it was not read.",
                              "%1 the kind of part: event, to-do")
                              .arg(describe(top.name), QString::number(top.line), name);
        } else if (!out_.items.empty() && insideItem()) {
            out_.items.back().damage =
                QCoreApplication::translate("ICalendarScan",
                                            "holds a part (line %1) that has no END:%2 line",
                                            "said of an event, after its name")
                    .arg(top.line)
                    .arg(name);
        }
    }

    // Ends the component open_[index], whose END is missing, and all inside it. A calendar
    // keeps what it holds; anything else is left out.
    void endUnended(std::size_t index, int nextBegin) {
        while (open_.size() > index + 1)
            dropUnended();
        if (index > 0 || open_.back().item) return dropUnended();
        out_.notes << QCoreApplication::translate("ICalendarScan",
                                                  "The calendar that begins at line %1 has no "
                                                  "END:%2 line before line %3; what it holds was "
                                                  "read.")
                          .arg(open_.back().line)
                          .arg(QString::fromLatin1(open_.back().name.left(40)))
                          .arg(nextBegin);
        put("END:" + open_.back().name);
        open_.pop_back();
    }

    bool insideItem() const {
        for (const Open& o : open_)
            if (o.item) return true;
        return false;
    }

    void property(const Line& line) {
        if (open_.empty()) {
            if (outsideFirst_ == 0) outsideFirst_ = line.number;
            outsideLast_ = line.number;
            return;
        }
        const QByteArray name = propertyName(line.text);
        QByteArrayView value;
        if ((name == "TZOFFSETFROM" || name == "TZOFFSETTO") && propertyValue(line.text, &value)) {
            // The library reads +12 as twelve minutes and +11:55:44 as eleven seconds; it
            // gets the offset in the form it reads right, or none (and drops the line).
            int seconds = 0;
            put(name + ':' + (parseUtcOffset(value, &seconds) ? offsetText(seconds) : ""));
            return;
        }
        put(line.text);
        if (name == "SUMMARY" && open_.back().item && !out_.items.back().hasSummary &&
            propertyValue(line.text, &value)) {
            out_.items.back().rawSummary = unescapedText(value);
            out_.items.back().hasSummary = true;
        }
    }

    // Lines outside every calendar, named as one run.
    void endOutside() {
        if (outsideFirst_ == 0) return;
        if (outsideFirst_ == outsideLast_)
            out_.notes << QCoreApplication::translate("ICalendarScan",
                                                      "Line %1 stands outside every calendar of "
                                                      "the file; it was not read.")
                              .arg(outsideFirst_);
        else
            out_.notes << QCoreApplication::translate("ICalendarScan",
                                                      "Lines %1 to %2 stand outside every "
                                                      "calendar of the file; they were not read.")
                              .arg(outsideFirst_)
                              .arg(outsideLast_);
        outsideFirst_ = outsideLast_ = 0;
    }

    QString incomplete() const {
        for (const Open& o : open_)
            if (o.item)
                return QCoreApplication::translate(
                           "ICalendarScan",
                           "The file is not a complete iCalendar file: it ends at line %1, in "
                           "the middle of the %2 that begins at line %3.",
                           "%2 the kind of part: event, to-do")
                    .arg(QString::number(last_), describe(o.name), QString::number(o.line));
        return QCoreApplication::translate(
                   "ICalendarScan",
                   "The file is not a complete iCalendar file: it ends at line %1, before the "
                   "end of the %2 that begins at line %3.",
                   "%2 the kind of part: calendar")
            .arg(QString::number(last_), describe(open_.front().name),
                 QString::number(open_.front().line));
    }

    ScannedFile out_;
    std::vector<Open> open_;
    int last_ = 0;
    int outsideFirst_ = 0;
    int outsideLast_ = 0;
};

} // namespace

ScannedFile scanICalendar(QByteArrayView text) {
    return Scanner().run(text);
}

bool parseUtcOffset(QByteArrayView text, int* seconds) {
    text = text.trimmed();
    if (text.isEmpty() || (text[0] != '+' && text[0] != '-')) return false;
    // Two digits of hours, then minutes and seconds, each two digits behind an optional ':'.
    int parts[3] = {0, 0, 0};
    qsizetype i = 1;
    for (int part = 0; part < 3 && i < text.size(); ++part) {
        if (part > 0 && text[i] == ':') ++i;
        if (i + 2 > text.size() || !isdigit(uchar(text[i])) || !isdigit(uchar(text[i + 1])))
            return false;
        parts[part] = (text[i] - '0') * 10 + (text[i + 1] - '0');
        i += 2;
    }
    if (i != text.size() || parts[0] > 23 || parts[1] > 59 || parts[2] > 59) return false;
    const int value = parts[0] * 3600 + parts[1] * 60 + parts[2];
    *seconds = text[0] == '-' ? -value : value;
    return true;
}

} // namespace ical
