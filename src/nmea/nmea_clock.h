#pragma once
// The computer clock as the sentences read it: local date and time as a day count.
namespace wl {

class NmeaClock {
 public:
  virtual ~NmeaClock() = default;
  virtual double LocalNow() = 0;
};

// The system clock in the local time zone, whole seconds.
class SystemClock : public NmeaClock {
 public:
  double LocalNow() override;
};

class FixedClock : public NmeaClock {
 public:
  explicit FixedClock(double days) : days_(days) {}
  double LocalNow() override { return days_; }
  void Set(double days) { days_ = days; }

 private:
  double days_;
};

}  // namespace wl
