#pragma once

#include <QObject>
#include <QTimer>

namespace zorvanta {

// "时钟1": a periodic timer whose period in milliseconds is read back exactly as it was last
// written. A negative period is stored as 0, which stops the timer; writing the period it
// already has changes nothing and keeps its rhythm; any other value restarts it, so the
// first tick comes one period later.
class BatchTimer : public QObject {
    Q_OBJECT

  public:
    explicit BatchTimer(QObject* parent = nullptr);

    int period() const { return period_; }
    void setPeriod(int period);
    bool isRunning() const { return timer_.isActive(); }

  Q_SIGNALS:
    void tick();

  private:
    QTimer timer_;
    int period_ = 0;
};

}  // namespace zorvanta
