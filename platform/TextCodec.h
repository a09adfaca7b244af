#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text of calendar files: written as UTF-8, read as UTF-8, and read as Windows-1252 when a
// file is not valid UTF-8 (files from older systems).
enum class FileEncoding { Utf8, Windows1252 };

QString decodeText(QByteArrayView bytes, FileEncoding encoding);
QString fromWindows1252(QByteArrayView bytes);
QByteArray encodeText(const QString& text); // always UTF-8
