#pragma once
// The nine timers Tmr1..Tmr9 on QTimers. Enabling a running timer leaves it
// running on its beat; disabling and enabling it again restarts it.

#include <QObject>
#include <QTimer>

#include <array>

#include "kalvenor/timers.h"

namespace kalvenor::ui {

class WindowTimers final : public QObject, public Timers {
  Q_OBJECT

 public:
  explicit WindowTimers(QObject* parent = nullptr);

  void setEnabled(Timer timer, bool enabled) override;
  bool enabled(Timer timer) const override;
  // Milliseconds until the timer's next tick, -1 while it is disabled.
  int remainingTime(Timer timer) const;

 signals:
  void ticked(kalvenor::Timer timer);

 private:
  QTimer& timer(Timer t) { return timers_[static_cast<int>(t) - 1]; }
  const QTimer& timer(Timer t) const { return timers_[static_cast<int>(t) - 1]; }

  std::array<QTimer, kTimers> timers_;
};

}  // namespace kalvenor::ui
