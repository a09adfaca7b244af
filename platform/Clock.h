#pragma once

#include <QDate>
#include <QDateTime>

// Today's date and time. The programs ask a clock; tests set one.
class Clock {
  public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    QDate today() const { return now().date(); }
};

class SystemClock final : public Clock {
  public:
    QDateTime now() const override { return QDateTime::currentDateTime(); }
};

class FixedClock final : public Clock {
  public:
    explicit FixedClock(QDateTime when) : when_(std::move(when)) {}
    QDateTime now() const override { return when_; }
    void set(QDateTime when) { when_ = std::move(when); }

  private:
    QDateTime when_;
};
