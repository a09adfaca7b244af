#pragma once

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QImageWriter>

// Photo files as cameras write them: a JPEG whose EXIF orientation tag (1 to 8) tells how
// the stored pixels are turned for showing. The toolkit's JPEG writer writes no such tag (it
// turns the pixels instead), so the tag's segment is put in after the start marker here.
inline bool writeCameraJpeg(const QString& path, const QImage& stored, int orientation) {
    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    if (!buffer.open(QIODevice::WriteOnly)) return false;
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(92);
    if (!writer.write(stored)) return false;
    // APP1 "Exif": a big-endian TIFF header and one directory entry, Orientation (0x0112),
    // a SHORT holding orientation.
    QByteArray exif = QByteArray::fromHex("ffe10022457869660000"
                                          "4d4d002a00000008"
                                          "0001"
                                          "0112000300000001");
    exif += char(0);
    exif += char(orientation);
    exif += QByteArray::fromHex("0000"
                                "00000000");
    jpeg.insert(2, exif);
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(jpeg) == jpeg.size();
}
