#pragma once
// fraProp(0), "General Properties": plot colours and texts, wind vanes, heading and time of
// .trt files, the simulation rate. Each change is checked, stored and announced through the
// session the moment the control takes it.
#include <QGroupBox>

#include "settings/setting_checks.h"
#include "settings/settings_keys.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

namespace wl {

class TopHighBar;
class TrackSession;

class GeneralTab : public QGroupBox {
  Q_OBJECT

 public:
  GeneralTab(TrackSession& session, QWidget* parent);

  // The dialog became the active window: the time offset only for a .trt track, the wind vane
  // box as the plot may have left it.
  void Activate();

 private:
  void CreatePlotControls();
  void CreateTrackControls();
  void Connect();
  bool DialogShown() const;
  void ReloadNotice();

  void ShowValue(SettingKey key);
  bool CheckSpeed(SpeedLimit which);
  bool ValidateWindAngles();
  void CheckTimeOffset();
  void ValidateSimRate();
  void LeaveDeviation();
  void ScrollShowText(int top);

  TrackSession& session_;
  QCheckBox* chkPlotBlack_ = nullptr;
  QLineEdit* txtPltSpdHigh_ = nullptr;
  QLineEdit* txtPltSpdLow_ = nullptr;
  QCheckBox* chkPlotShowWind_ = nullptr;
  QLineEdit* txtWA_[3] = {};
  QRadioButton* optWAT_ = nullptr;
  QRadioButton* optWAA_ = nullptr;
  QRadioButton* optTrueHDG_ = nullptr;
  QRadioButton* optDevNone_ = nullptr;
  QLineEdit* txtDfDev_ = nullptr;
  QLabel* lblTimeOffset_ = nullptr;
  QLineEdit* txtTimeOffset_ = nullptr;
  QCheckBox* chkTimeOffsetSign_ = nullptr;
  QLineEdit* txtSimRate_ = nullptr;
  TopHighBar* scrSimRate_ = nullptr;
  QListWidget* lstPlotShowText_ = nullptr;
  QRadioButton* optPltPT_ = nullptr;
  QRadioButton* optPltUI_ = nullptr;
  bool scrolling_ = false;  // the chooser's scroll handler does not run inside itself
};

}  // namespace wl
