#include "drawing/windows/PhotoLoader.h"

#include "drawing/PhotoImage.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFutureWatcher>
#include <QPromise>
#include <QThreadPool>
#include <QTimer>
#include <memory>

void PhotoLoader::load(int key, const QString& path, QSize fitWithin) {
    const int request = ++requests_;
    latest_[key] = request;
    ++pending_;
    auto promise = std::make_shared<QPromise<QImage>>();
    // The watcher belongs to the loader: a window closed before the photo is read drops the
    // answer with its loader, and the reading ends by itself.
    auto* watcher = new QFutureWatcher<QImage>(this);
    connect(watcher, &QFutureWatcher<QImage>::finished, this, [=, this] {
        --pending_;
        const QImage image = watcher->future().resultCount() > 0 ? watcher->result() : QImage();
        watcher->deleteLater();
        if (latest_[key] == request) emit loaded(key, path, image);
    });
    watcher->setFuture(promise->future());
    QThreadPool::globalInstance()->start([promise, path, fitWithin] {
        promise->start();
        promise->addResult(ReadPhoto(path, fitWithin).image);
        promise->finish();
    });
}

bool PhotoLoader::waitForAll(int milliseconds) {
    const QDeadlineTimer deadline(milliseconds);
    while (pending_ > 0 && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return pending_ == 0;
}
