#pragma once
// The NMEA tab's frame of where and how the sentences go: the output (serial port, TCP server,
// UDP), its address, checksums, the sentence time, the recorded heading and true wind. Each
// choice is stored the moment it is made.
#include <QGroupBox>

#include "settings/settings_keys.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace wl {

struct SettingsValues;
class TrackSession;

class NmeaOutputFrame : public QGroupBox {
  Q_OBJECT

 public:
  NmeaOutputFrame(TrackSession& session, QWidget* parent);

 private:
  // A check box stored under key: change sets the values from its state.
  QCheckBox* AddChoice(const char* name, const char* caption, const char* toolTip, int top, SettingKey key,
                       void (*change)(SettingsValues&, bool));
  void ShowValues();
  bool CheckTcpPort();
  bool CheckUdpTarget();

  TrackSession& session_;
  QComboBox* cboOutput_ = nullptr;
  QLineEdit* txtTcpPort_ = nullptr;
  QLineEdit* txtUdpTarget_ = nullptr;
  QCheckBox* chkChecksumAll_ = nullptr;
  QCheckBox* chkTimeSource_ = nullptr;
  QCheckBox* chkHeading_ = nullptr;
  QCheckBox* chkTrueWind_ = nullptr;
};

}  // namespace wl
