#pragma once
// fraProp(2), "Communications Port": the thirteen properties of the serial port the sentences go
// out of, the port's actual values in boxes beside the normal ones. The dialog's "&ComValues"
// menu shows, applies, stores and recommends them through these handlers.
#include <QGroupBox>
#include <array>

#include "settings/port_keys.h"

class QLineEdit;
class QPushButton;

namespace wl {

class TrackSession;

class CommTab : public QGroupBox {
  Q_OBJECT

 public:
  CommTab(TrackSession& session, QWidget* parent);

  // "&Load defaults": the stored values applied to the port, then shown.
  void LoadDefaults();
  // The port's values into the boxes.
  void ShowComValues();
  // "Save for session onl&y": the boxes' values applied to the port.
  void ApplyComValues();
  // "&Save as defaults": the boxes' texts stored as they are.
  void SaveAsDefaults();
  // "Set &Recommended Values": the recommended set applied to the port, then shown.
  void SetRecommended();
  // The port number box's tool tip names the serial ports the numbers count.
  void ListPorts();

 private:
  void Apply(const std::string& commPort, const PortProperties& properties);
  void Refused(const std::string& error);
  void ToggleAdvanced();

  TrackSession& session_;
  std::array<QLineEdit*, kPortRows.size()> boxes_{};
  QPushButton* cmdAdvancedSettings_ = nullptr;
  QWidget* frmAdvancedCom_ = nullptr;
};

}  // namespace wl
