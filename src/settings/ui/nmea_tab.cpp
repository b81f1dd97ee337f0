#include "settings/ui/nmea_tab.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "session/track_session.h"
#include "settings/locale_number.h"
#include "settings/setting_checks.h"
#include "settings/ui/nmea_output_frame.h"
#include "widgets/placed_control.h"
#include "widgets/top_high_bar.h"

namespace wl {

namespace {

// The instrument rows: label, value box with its bar, variation box.
constexpr int kFirstRowTop = 3180, kRowHeight = 420, kValueLeft = 2640, kBarLeft = 3375, kVarLeft = 3720;

int RowTop(int row) { return kFirstRowTop + row * kRowHeight; }

}  // namespace

NmeaTab::NmeaTab(TrackSession& session, QWidget* parent)
    : QGroupBox("NMEA Output Simulation Properties", parent), session_(session) {
  setObjectName("fraProp");
  CreateSentenceChoices();
  CreateInstruments();
  auto* output = new NmeaOutputFrame(session_, this);
  PlaceTwips(output, 5040, 360, 4440, 2970);
}

QCheckBox* NmeaTab::AddSwitch(const char* name, const char* caption, int top, int width, SettingKey key,
                              bool SettingsValues::*field) {
  auto* box = PlacedControl<QCheckBox>(this, name, caption, 120, top, width, 255);
  box->setChecked(session_.Settings().*field);
  connect(box, &QCheckBox::toggled, this,
          [this, key, field](bool on) { session_.ChangeSetting(key, [&](SettingsValues& v) { v.*field = on; }); });
  return box;
}

void NmeaTab::CreateSentenceChoices() {
  chkNMEAout_ =
      AddSwitch("chkNMEAout", "Enable NMEA output", 360, 4560, SettingKey::NMEAOut, &SettingsValues::nmeaOut);
  AddSwitch("chkVHW", "Simulate Water speed and Heading (VHW)", 690, 4800, SettingKey::VHW, &SettingsValues::vhw);
  AddSwitch("chkWind", "Simulate Wind", 1140, 1920, SettingKey::Wind, &SettingsValues::wind);
  auto* wind = PlacedControl<QGroupBox>(this, "frWind", "NMEA Message", 2160, 960, 2760, 600);
  optMWV_ = PlacedControl<QRadioButton>(wind, "optMWV", "MWV", 120, 270, 780, 285);
  optMWD_ = PlacedControl<QRadioButton>(wind, "optMWD", "(MWD)", 960, 270, 960, 285);
  optMWD_->setStyleSheet("color: grey");
  optMWD_->setToolTip("Not implemented");
  optVWR_ = PlacedControl<QRadioButton>(wind, "optVWR", "VWR", 1980, 270, 720, 285);
  const WindSentence chosen = session_.Settings().windSentence;
  (chosen == WindSentence::VWR ? optVWR_ : chosen == WindSentence::MWD ? optMWD_ : optMWV_)->setChecked(true);
  for (QRadioButton* option : {optMWV_, optMWD_, optVWR_})
    connect(option, &QRadioButton::toggled, this, [this](bool on) {
      if (on) ChooseWindSentence();
    });

  AddSwitch("chkDepth", "Simulate Depth (DBT)", 1680, 3600, SettingKey::Depth, &SettingsValues::depth);
  auto* heading = PlacedControl<QCheckBox>(this, "chkHeading", "(Simulate Heading)", 120, 2280, 2040, 285);
  heading->setEnabled(false);
  auto* frame = PlacedControl<QGroupBox>(this, "FrHeading", "NMEA Message", 2160, 2100, 2760, 600);
  frame->setEnabled(false);
  PlacedControl<QRadioButton>(frame, "optHDG", "HDG", 120, 270, 960, 285)->setChecked(true);
  PlacedControl<QRadioButton>(frame, "optDPT", "DPT", 1200, 270, 960, 285);
}

void NmeaTab::ChooseWindSentence() {
  if (optMWD_->isChecked()) {
    session_.Prompts().ShowMessage("Not implemented", Icon::None);
    optMWV_->setChecked(true);  // chooses MWV through this handler
    return;
  }
  session_.ChangeSetting(SettingKey::WindSentence, [&](SettingsValues& v) {
    v.windSentence = optVWR_->isChecked() ? WindSentence::VWR : WindSentence::MWV;
  });
}

void NmeaTab::CreateInstruments() {
  PlacedControl<QLabel>(this, "Label16", "var %", kVarLeft, RowTop(0) - 330, 735, 255);
  const char* labels[][2] = {{"Label14", "Abs Direction 0-360 deg"},
                             {"Label15", "Abs Speed 0-50 knts"},
                             {"Label17", "Heading 0-360 deg"},
                             {"Label18", "Speed Log Knots"},
                             {"lblDpt", "Depth 0-100 m"}};
  for (int row = 0; row < 5; ++row)
    PlacedControl<QLabel>(this, labels[row][0], labels[row][1], 120, RowTop(row) + 30, 2460, 255);
  AddInstrument(0, "txtWindDir", "scrWindDir", 360, SettingKey::WindDir, &SettingsValues::windDir);
  AddInstrument(1, "txtWindSpd", "scrWindSpd", 50, SettingKey::WindSpd, &SettingsValues::windSpd);
  AddInstrument(3, "txtLogSpd", "scrLogSpd", 30, SettingKey::LogSpd, &SettingsValues::logSpd);
  AddInstrument(4, "txtDpt", "scrDpt", 100, SettingKey::Dpt, &SettingsValues::dpt);
  AddVariation(0, "txtWindDirVar", SettingKey::WindDirVar, &SettingsValues::windDirVar);
  AddVariation(1, "txtWindSpdVar", SettingKey::WindSpdVar, &SettingsValues::windSpdVar);
  AddVariation(2, "txtHdgVar", SettingKey::HdgVar, &SettingsValues::hdgVar);
  AddVariation(3, "txtLogSpdVar", SettingKey::LogSpdVar, &SettingsValues::logSpdVar);
  AddVariation(4, "txtDptVar", SettingKey::DptVar, &SettingsValues::dptVar);
}

void NmeaTab::AddInstrument(int row, const char* name, const char* barName, int top, SettingKey key,
                            std::string SettingsValues::*field) {
  auto* box = PlacedControl<QLineEdit>(this, name, QString::fromStdString(session_.Settings().*field), kValueLeft,
                                       RowTop(row), 735, 315);
  auto* bar = PlacedControl<TopHighBar>(this, barName, "", kBarLeft, RowTop(row) - 45, 255, 405);
  bar->SetRange(0, top);
  bar->SetValue(WholeNumber(session_.Settings().*field));
  connect(bar, &TopHighBar::ValueChanged, box, [box](int value) { box->setText(QString::number(value)); });
  connect(box, &QLineEdit::textChanged, this, [this, box, bar, top, key, field](const QString& typed) {
    const bool direction = key == SettingKey::WindDir;
    const std::string text =
        direction ? CheckWindDirection(typed.toStdString()) : CheckSimValue(typed.toStdString(), top);
    if (text != typed.toStdString()) {
      box->setText(QString::fromStdString(text));  // checks once more, and finds it right
      return;
    }
    const QSignalBlocker blocker(bar);
    bar->SetValue(WholeNumber(text));
    session_.ChangeSetting(key, [&](SettingsValues& v) { v.*field = text; });
  });
}

void NmeaTab::AddVariation(int row, const char* name, SettingKey key, std::string SettingsValues::*field) {
  auto* box = PlacedControl<QLineEdit>(this, name, QString::fromStdString(session_.Settings().*field), kVarLeft,
                                       RowTop(row), 615, 315);
  connect(box, &QLineEdit::textChanged, this, [this, box, key, field](const QString& typed) {
    double unused;
    // Only the heading's variation is kept a number; the others are read as leading numbers.
    if (key == SettingKey::HdgVar && !ReadLocaleNumber(typed.toStdString(), unused)) {
      box->setText("0");
      return;
    }
    session_.ChangeSetting(key, [&](SettingsValues& v) { v.*field = typed.toStdString(); });
  });
}

}  // namespace wl
