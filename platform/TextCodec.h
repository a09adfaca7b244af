#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text of calendar files: written as UTF-8, read as UTF-8, and read as Windows-1252 where the
// bytes are not valid UTF-8 (files from older systems, lines edited with their tools).
enum class FileEncoding { Utf8, Windows1252 };

// UTF-8 for bytes that are valid UTF-8, Windows-1252 for any others.
FileEncoding lineEncoding(QByteArrayView line);

QString decodeText(QByteArrayView bytes, FileEncoding encoding);
QString fromWindows1252(QByteArrayView bytes);
QByteArray encodeText(const QString& text); // always UTF-8
