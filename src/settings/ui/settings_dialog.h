#pragma once
// frmControlProps, "Properties": the one dialog where the user adjusts the plot, the heading and
// time of track files, the NMEA simulator and the serial port. The program makes it hidden at
// start; closing only hides it. It edits the session's settings and reads no other window.
#include <QWidget>

namespace wl {

class CommTab;
class GeneralTab;
class NmeaTab;
class TrackSession;

class SettingsDialog : public QWidget {
  Q_OBJECT

 public:
  explicit SettingsDialog(TrackSession& session);

 protected:
  bool event(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // A click on the dialog's own surface applies the port values for the session.
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void CreateMenu();

  TrackSession& session_;
  GeneralTab* general_ = nullptr;
  NmeaTab* nmea_ = nullptr;
  CommTab* comm_ = nullptr;
};

}  // namespace wl
