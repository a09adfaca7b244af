#pragma once

#include <QImage>
#include <QObject>
#include <QSize>
#include <QString>
#include <map>

// Reads photos small (ReadPhoto within a size) on the thread pool, so that a window of large
// photos opens at once and fills in its pictures as they are read. Only the latest request
// of each key is answered.
class PhotoLoader : public QObject {
    Q_OBJECT
  public:
    using QObject::QObject;
    void load(int key, const QString& path, QSize fitWithin);
    // Waits for every request made so far to be answered (tests).
    bool waitForAll(int milliseconds);

  signals:
    // The photo of path was read for key; a null image when it could not be read.
    void loaded(int key, const QString& path, const QImage& image);

  private:
    std::map<int, int> latest_; // key to the number of its latest request
    int requests_ = 0;
    int pending_ = 0;
};
