#pragma once
// The computer clock as the sentences read it: UTC date and time as a day count.
namespace wl {

class NmeaClock {
 public:
  virtual ~NmeaClock() = default;
  virtual double UtcNow() = 0;
};

// The system clock, whole seconds.
class SystemClock : public NmeaClock {
 public:
  double UtcNow() override;
};

class FixedClock : public NmeaClock {
 public:
  explicit FixedClock(double days) : days_(days) {}
  double UtcNow() override { return days_; }
  void Set(double days) { days_ = days; }

 private:
  double days_;
};

}  // namespace wl
