#pragma once
// fraProp(1), "NMEA Output Simulation Properties": which sentences the replay sends, the
// simulated instrument values of .trc tracks with their variations, and where the sentences go.
// None of the instrument values is stored; each lives in the session from its change on.
#include <QGroupBox>
#include <string>

#include "settings/settings_keys.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace wl {

struct SettingsValues;
class TrackSession;

class NmeaTab : public QGroupBox {
  Q_OBJECT

 public:
  NmeaTab(TrackSession& session, QWidget* parent);

  QCheckBox* OutputSwitch() const { return chkNMEAout_; }

 private:
  void CreateSentenceChoices();
  void CreateInstruments();
  QCheckBox* AddSwitch(const char* name, const char* caption, int top, int width, SettingKey key,
                       bool SettingsValues::*field);
  // A text box with its scroll bar (top value at the top, 0 at the bottom) and its check.
  void AddInstrument(int row, const char* name, const char* barName, int top, SettingKey key,
                     std::string SettingsValues::*field);
  void AddVariation(int row, const char* name, SettingKey key, std::string SettingsValues::*field);
  void ChooseWindSentence();

  TrackSession& session_;
  QCheckBox* chkNMEAout_ = nullptr;
  QRadioButton* optMWV_ = nullptr;
  QRadioButton* optMWD_ = nullptr;
  QRadioButton* optVWR_ = nullptr;
};

}  // namespace wl
