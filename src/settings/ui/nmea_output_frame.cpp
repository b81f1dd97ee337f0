#include "settings/ui/nmea_output_frame.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "session/track_session.h"
#include "settings/setting_checks.h"
#include "widgets/leave_check.h"
#include "widgets/placed_control.h"

namespace wl {

NmeaOutputFrame::NmeaOutputFrame(TrackSession& session, QWidget* parent)
    : QGroupBox("Output", parent), session_(session) {
  setObjectName("fraNMEAOutput");
  PlacedControl<QLabel>(this, "lblNMEAOutput", "Output to", 120, 375, 1260, 255);
  cboOutput_ = PlacedControl<QComboBox>(this, "cboNMEAOutput", "", 1440, 315, 2880, 345);
  cboOutput_->addItems({"serial port", "TCP server", "UDP"});  // in the order of NmeaOutputKind
  cboOutput_->setToolTip(
      "Where the sentences go: the serial port of the Communications tab, a TCP server that every plotter on the "
      "network may connect to, or UDP datagrams");
  PlacedControl<QLabel>(this, "lblNMEATcpPort", "TCP port", 120, 795, 1260, 255);
  txtTcpPort_ = PlacedControl<QLineEdit>(this, "txtNMEATcpPort", "", 1440, 750, 1095, 315);
  txtTcpPort_->setToolTip(
      "The TCP server listens on this port of every network interface from the moment TCP is chosen and NMEA output "
      "is enabled (10110 is the usual port)");
  PlacedControl<QLabel>(this, "lblNMEAUdpTarget", "UDP target", 120, 1215, 1260, 255);
  txtUdpTarget_ = PlacedControl<QLineEdit>(this, "txtNMEAUdpTarget", "", 1440, 1170, 2880, 315);
  txtUdpTarget_->setToolTip("HOST:PORT the datagrams go to; a broadcast address reaches every listener");

  chkChecksumAll_ =
      AddChoice("chkNMEAChecksumAll", "Checksum on every sentence", "Clear: only the $GP sentences carry a checksum",
                1650, SettingKey::NMEAChecksumAll, [](SettingsValues& v, bool on) { v.checksumAll = on; });
  chkTimeSource_ = AddChoice("chkNMEATimeSource", "Time from the track",
                             "The sentence time: the point's recorded UTC time; clear: the computer's clock in UTC",
                             1980, SettingKey::NMEATimeSource, [](SettingsValues& v, bool on) {
                               v.timeSource = on ? NmeaTimeSource::Track : NmeaTimeSource::Now;
                             });
  chkHeading_ = AddChoice("chkNMEAHeading", "Send heading (HDT/HDG)",
                          ".trt files: the recorded heading, as HDT when it is true, else as HDG", 2310,
                          SettingKey::NMEAHeading, [](SettingsValues& v, bool on) { v.sendHeading = on; });
  chkTrueWind_ = AddChoice("chkNMEATrueWind", "Send true wind (MWV T)",
                           ".trt files: the recorded true wind, as MWV with reference T", 2640,
                           SettingKey::NMEATrueWind, [](SettingsValues& v, bool on) { v.sendTrueWind = on; });
  ShowValues();

  connect(cboOutput_, &QComboBox::currentIndexChanged, this, [this](int index) {
    session_.ChangeSetting(SettingKey::NMEAOutput,
                           [&](SettingsValues& v) { v.nmeaOutput = static_cast<NmeaOutputKind>(index); });
    ShowValues();
  });
  new LeaveCheck(txtTcpPort_, [this] { return CheckTcpPort(); });
  new LeaveCheck(txtUdpTarget_, [this] { return CheckUdpTarget(); });
}

QCheckBox* NmeaOutputFrame::AddChoice(const char* name, const char* caption, const char* toolTip, int top,
                                      SettingKey key, void (*change)(SettingsValues&, bool)) {
  auto* box = PlacedControl<QCheckBox>(this, name, caption, 120, top, 4200, 285);
  box->setToolTip(toolTip);
  connect(box, &QCheckBox::toggled, this,
          [this, key, change](bool on) { session_.ChangeSetting(key, [&](SettingsValues& v) { change(v, on); }); });
  return box;
}

void NmeaOutputFrame::ShowValues() {
  const SettingsValues& v = session_.Settings();
  const QSignalBlocker blockers[] = {QSignalBlocker(cboOutput_), QSignalBlocker(chkChecksumAll_),
                                     QSignalBlocker(chkTimeSource_), QSignalBlocker(chkHeading_),
                                     QSignalBlocker(chkTrueWind_)};
  cboOutput_->setCurrentIndex(static_cast<int>(v.nmeaOutput));
  txtTcpPort_->setText(QString::number(v.nmeaTcpPort));
  txtTcpPort_->setEnabled(v.nmeaOutput == NmeaOutputKind::Tcp);
  txtUdpTarget_->setText(QString::fromStdString(v.nmeaUdpTarget));
  txtUdpTarget_->setEnabled(v.nmeaOutput == NmeaOutputKind::Udp);
  chkChecksumAll_->setChecked(v.checksumAll);
  chkTimeSource_->setChecked(v.timeSource == NmeaTimeSource::Track);
  chkHeading_->setChecked(v.sendHeading);
  chkTrueWind_->setChecked(v.sendTrueWind);
}

bool NmeaOutputFrame::CheckTcpPort() {
  const std::optional<uint16_t> port = TcpPortValue(txtTcpPort_->text().toStdString());
  if (!port) {
    session_.Prompts().ShowMessage("The TCP port must be a whole number from 1 to 65535", Icon::None);
    return false;
  }
  if (*port != session_.Settings().nmeaTcpPort)
    session_.ChangeSetting(SettingKey::NMEATcpPort, [&](SettingsValues& v) { v.nmeaTcpPort = *port; });
  txtTcpPort_->setText(QString::number(*port));
  return true;
}

bool NmeaOutputFrame::CheckUdpTarget() {
  const std::string target = txtUdpTarget_->text().trimmed().toStdString();
  if (!IsUdpTarget(target)) {
    session_.Prompts().ShowMessage(
        "The UDP target must be HOST:PORT with a port from 1 to 65535, such as "
        "127.0.0.1:10110",
        Icon::None);
    return false;
  }
  if (target != session_.Settings().nmeaUdpTarget)
    session_.ChangeSetting(SettingKey::NMEAUdpTarget, [&](SettingsValues& v) { v.nmeaUdpTarget = target; });
  txtUdpTarget_->setText(QString::fromStdString(target));
  return true;
}

}  // namespace wl
