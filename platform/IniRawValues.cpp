#include "platform/IniRawValues.h"

#include <QByteArray>

namespace {

// A section or key name as the store reads it: %XX decoded, "\" taken as the separator "/".
QString keyName(QByteArrayView escaped) {
    QString name = QString::fromUtf8(QByteArray::fromPercentEncoding(escaped.toByteArray()));
    name.replace(u'\\', u'/');
    return name;
}

QByteArrayView trimmed(QByteArrayView text) {
    while (!text.isEmpty() && (text.front() == ' ' || text.front() == '\t'))
        text = text.sliced(1);
    while (!text.isEmpty() && (text.back() == ' ' || text.back() == '\t'))
        text.chop(1);
    return text;
}

} // namespace

QHash<QString, QString> IniRawValues(QByteArrayView file) {
    QHash<QString, QString> values;
    QString section;
    for (qsizetype pos = 0; pos < file.size();) {
        const qsizetype end = file.indexOf('\n', pos);
        QByteArrayView line = file.sliced(pos, (end < 0 ? file.size() : end) - pos);
        pos = end < 0 ? file.size() : end + 1;
        line = trimmed(line.endsWith('\r') ? line.chopped(1) : line);
        if (line.isEmpty() || line.front() == ';') continue;
        if (line.front() == '[') {
            const qsizetype close = line.indexOf(']');
            section = keyName(line.sliced(1, (close < 0 ? line.size() : close) - 1));
            if (section.compare(QLatin1String("General"), Qt::CaseInsensitive) == 0)
                section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) continue;
        QByteArrayView value = line.sliced(equals + 1);
        if (const qsizetype comment = value.indexOf(';'); comment >= 0) value.truncate(comment);
        const QString key = keyName(trimmed(line.first(equals)));
        values.insert(section.isEmpty() ? key : section + u'/' + key,
                      QString::fromUtf8(trimmed(value)));
    }
    return values;
}

QString HandWrittenText(const QString& raw, const QStringList& items) {
    if (raw.contains(u'"') || raw.contains(u'\\')) return items.join(QLatin1String(", "));
    return raw;
}
