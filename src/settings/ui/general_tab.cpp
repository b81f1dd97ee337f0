#include "settings/ui/general_tab.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>

#include "session/track_session.h"
#include "widgets/leave_check.h"
#include "widgets/numeric_input_box.h"
#include "widgets/placed_control.h"
#include "widgets/top_high_bar.h"
#include "widgets/twips.h"

namespace wl {

namespace {

// Entries of lstPlotShowText, by top index.
const char* const kShowTextEntries[] = {" ", "All", "Nothing", "Tack & Wait", " "};

constexpr SettingKey kAllKeys[] = {
    SettingKey::PlotBlack,    SettingKey::PlotSpeedHigh,   SettingKey::PlotSpeedLow,   SettingKey::PlotShowWind,
    SettingKey::WAmin,        SettingKey::FlagWindHeading, SettingKey::UseTrueHeading, SettingKey::DefaultDeviation,
    SettingKey::TimeOffset,   SettingKey::TimeOffsetSign,  SettingKey::SimRate,        SettingKey::PlotShowText,
    SettingKey::PlotShowData,
};

QString Text(const std::string& s) { return QString::fromStdString(s); }

}  // namespace

GeneralTab::GeneralTab(TrackSession& session, QWidget* parent)
    : QGroupBox("General Properties", parent), session_(session) {
  setObjectName("fraProp");
  CreatePlotControls();
  CreateTrackControls();
  for (SettingKey key : kAllKeys) ShowValue(key);
  Connect();
}

void GeneralTab::CreatePlotControls() {
  chkPlotBlack_ = PlacedControl<QCheckBox>(this, "chkPlotBlack", "Plot on Black Background", 120, 360, 4200, 285);

  auto* speed =
      PlacedControl<QGroupBox>(this, "fraPlotSpeed", "Plot - limits for speed color-scale", 120, 720, 4560, 780);
  PlacedControl<QLabel>(speed, "lblPltSpdHigh", "High", 120, 375, 600, 255);
  txtPltSpdHigh_ = PlacedControl<QLineEdit>(speed, "txtPltSpdHigh", "7.5", 720, 330, 855, 315);
  PlacedControl<QLabel>(speed, "lblPltSpdLow", "Low", 1800, 375, 600, 255);
  txtPltSpdLow_ = PlacedControl<QLineEdit>(speed, "txtPltSpdLow", "3.5", 2400, 330, 855, 315);
  for (QLineEdit* box : {txtPltSpdHigh_, txtPltSpdLow_}) {
    box->setToolTip("Used for Color Coding Plot");
    new NumericInputBox(box, true, 1);
  }

  auto* wind =
      PlacedControl<QGroupBox>(this, "Frame1", "Plot - wind plotting and vane-color-limits", 120, 1620, 4560, 1860);
  chkPlotShowWind_ = PlacedControl<QCheckBox>(wind, "chkPlotShowWind", "Plot Wind", 120, 330, 1800, 285);
  chkPlotShowWind_->setChecked(true);
  chkPlotShowWind_->setToolTip("Plot Wind Vanes");
  const char* names[] = {"txtWAmin", "txtWAmed", "txtWAmax"};
  const char* texts[] = {"40", "45", "55"};
  const char* labels[][2] = {{"lblWAmin", "minimum WA"}, {"lblWAmed", "medium WA"}, {"lblWAmax", "maximum WA"}};
  for (int i = 0; i < 3; ++i) {
    txtWA_[i] = PlacedControl<QLineEdit>(wind, names[i], texts[i], 120, 690 + 360 * i, 735, 315);
    txtWA_[i]->setToolTip("Used for Color Coding Wind Vanes");
    new NumericInputBox(txtWA_[i], false);
    PlacedControl<QLabel>(wind, labels[i][0], labels[i][1], 960, 720 + 360 * i, 1800, 255);
  }
  optWAT_ = PlacedControl<QRadioButton>(wind, "optWAT", "Flag TWA", 2880, 690, 1560, 285);
  optWAA_ = PlacedControl<QRadioButton>(wind, "optWAA", "Flag AWA", 2880, 1050, 1560, 285);
  optWAT_->setChecked(true);

  auto* data = PlacedControl<QGroupBox>(this, "frmPltSOGorSPD", "Show ui or point data on plot heading", 120, 3600,
                                        4560, 1080);
  data->setToolTip("Show data averaged over ui (=Update Interval), or point-data (in Plot Header and Point Label)");
  optPltPT_ = PlacedControl<QRadioButton>(data, "optPltPT", "use point data", 120, 330, 4200, 285);
  optPltPT_->setToolTip("Use the data as recorded at this point");
  optPltUI_ = PlacedControl<QRadioButton>(data, "optPltUI", "use ui data", 120, 660, 4200, 285);
  optPltUI_->setToolTip("Use the data averaged between two points");
  optPltUI_->setChecked(true);
}

void GeneralTab::CreateTrackControls() {
  auto* heading = PlacedControl<QGroupBox>(this, "frmTrueCorr", "Correct Magnetic Deviation for .trt files", 4920,
                                           360, 4560, 1500);
  optTrueHDG_ =
      PlacedControl<QRadioButton>(heading, "optTrueHDG", "Display True Heading for trt files", 120, 330, 4300, 285);
  optDevNone_ = PlacedControl<QRadioButton>(heading, "optDevNone", "Display HDG as recorded", 120, 660, 4300, 285);
  optDevNone_->setChecked(true);
  PlacedControl<QLabel>(heading, "Label20", "Deviation if none in file", 120, 1050, 2760, 255);
  txtDfDev_ = PlacedControl<QLineEdit>(heading, "txtDfDev", "-1.2", 3000, 1005, 1095, 315);
  new NumericInputBox(txtDfDev_, true, 2);

  lblTimeOffset_ =
      PlacedControl<QLabel>(this, "lblTimeOffset", "Difference CT - UTC hh:mm:ss", 5040, 2040, 4200, 255);
  txtTimeOffset_ = PlacedControl<QLineEdit>(this, "txtTimeOffset", "02:00:00", 5040, 2370, 1215, 315);
  chkTimeOffsetSign_ = PlacedControl<QCheckBox>(this, "chkTimeOffsetSign", "minus", 6420, 2385, 1200, 285);

  PlacedControl<QLabel>(this, "lblSimRat", "Simulation Rate between 15 - 300", 5040, 2940, 4200, 255);
  txtSimRate_ = PlacedControl<QLineEdit>(this, "TxtSimRate", "60", 5040, 3330, 855, 315);
  new NumericInputBox(txtSimRate_, false);
  scrSimRate_ = PlacedControl<TopHighBar>(this, "scrSimRate", "", 5940, 3240, 255, 495);
  scrSimRate_->SetRange(15, 600);
  scrSimRate_->SetValue(60);

  PlacedControl<QLabel>(this, "Label19", "Show text on Plot:", 5040, 4020, 2100, 255);
  lstPlotShowText_ = PlacedControl<QListWidget>(this, "lstPlotShowText", "", 7200, 3960, 1800, 375);
  for (const char* entry : kShowTextEntries) lstPlotShowText_->addItem(entry);
  // One entry high, scrolled a whole entry at a time, never a selection: its top entry is the choice.
  lstPlotShowText_->setSelectionMode(QAbstractItemView::NoSelection);
  lstPlotShowText_->setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  lstPlotShowText_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  lstPlotShowText_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  lstPlotShowText_->setFixedHeight(lstPlotShowText_->sizeHintForRow(0) + 2 * lstPlotShowText_->frameWidth());
  // The view sets this range itself once laid out; the stored choice is shown before that.
  lstPlotShowText_->verticalScrollBar()->setRange(0, lstPlotShowText_->count() - 1);
}

void GeneralTab::Connect() {
  connect(&session_, &TrackSession::SettingChanged, this, [this](SettingKey key) {
    // What the plot's keys and a processing pass change while the dialog shows.
    if (key == SettingKey::PlotSpeedHigh || key == SettingKey::PlotSpeedLow || key == SettingKey::PlotShowWind ||
        key == SettingKey::PlotShowText)
      ShowValue(key);
  });
  connect(chkPlotBlack_, &QCheckBox::toggled, this, [this](bool on) {
    session_.ChangeSetting(SettingKey::PlotBlack, [&](SettingsValues& v) { v.plotBlack = on; });
  });
  new LeaveCheck(txtPltSpdLow_, [this] { return CheckSpeed(SpeedLimit::Low); });
  new LeaveCheck(txtPltSpdHigh_, [this] { return CheckSpeed(SpeedLimit::High); });
  connect(chkPlotShowWind_, &QCheckBox::clicked, this, [this](bool on) {
    session_.ChangeSetting(SettingKey::PlotShowWind,
                           [&](SettingsValues& v) { v.PlotShowWind = v.chkPlotShowWind = on; });
  });
  for (QLineEdit* box : txtWA_) new LeaveCheck(box, [this] { return ValidateWindAngles(); });
  connect(optWAT_, &QRadioButton::toggled, this, [this](bool twa) {
    session_.ChangeSetting(SettingKey::FlagWindHeading, [&](SettingsValues& v) { v.FlagWindTWA = twa; });
  });
  connect(optTrueHDG_, &QRadioButton::toggled, this, [this](bool on) {
    session_.ChangeSetting(SettingKey::UseTrueHeading, [&](SettingsValues& v) { v.useTrueHeading = on; });
    ReloadNotice();
  });
  new LeaveCheck(txtDfDev_, [this] {
    LeaveDeviation();
    return true;
  });
  new LeaveCheck(txtTimeOffset_, [this] {
    CheckTimeOffset();
    return true;
  });
  connect(chkTimeOffsetSign_, &QCheckBox::clicked, this, [this](bool on) {
    session_.ChangeSetting(SettingKey::TimeOffsetSign, [&](SettingsValues& v) { v.timeOffsetSign = on; });
    if (DialogShown()) session_.Open();
  });
  new LeaveCheck(txtSimRate_, [this] {
    ValidateSimRate();
    return true;
  });
  connect(scrSimRate_, &TopHighBar::ValueChanged, this, [this](int value) {
    txtSimRate_->setText(QString::number(value));
    ValidateSimRate();
  });
  connect(lstPlotShowText_->verticalScrollBar(), &QScrollBar::valueChanged, this, &GeneralTab::ScrollShowText);
  connect(lstPlotShowText_, &QListWidget::clicked, this, [this] {
    QScrollBar* bar = lstPlotShowText_->verticalScrollBar();
    bar->setValue(ClickedPlotShowText(bar->value()));
  });
  connect(optPltUI_, &QRadioButton::toggled, this, [this](bool ui) {
    session_.ChangeSetting(SettingKey::PlotShowData, [&](SettingsValues& v) { v.pltUI = ui; });
  });
}

void GeneralTab::ShowValue(SettingKey key) {
  const SettingsValues& v = session_.Settings();
  const QSignalBlocker blockers[] = {
      QSignalBlocker(chkPlotBlack_), QSignalBlocker(chkPlotShowWind_),   QSignalBlocker(optWAT_),
      QSignalBlocker(optTrueHDG_),   QSignalBlocker(chkTimeOffsetSign_), QSignalBlocker(scrSimRate_),
      QSignalBlocker(optPltUI_)};
  switch (key) {
    case SettingKey::PlotBlack: chkPlotBlack_->setChecked(v.plotBlack); break;
    case SettingKey::PlotSpeedHigh: txtPltSpdHigh_->setText(Text(v.txtPltSpdHigh)); break;
    case SettingKey::PlotSpeedLow: txtPltSpdLow_->setText(Text(v.txtPltSpdLow)); break;
    case SettingKey::PlotShowWind: chkPlotShowWind_->setChecked(v.PlotShowWind); break;
    case SettingKey::WAmin:
      txtWA_[0]->setText(Text(v.txtWAmin));
      txtWA_[1]->setText(Text(v.txtWAmed));
      txtWA_[2]->setText(Text(v.txtWAmax));
      break;
    case SettingKey::FlagWindHeading: (v.FlagWindTWA ? optWAT_ : optWAA_)->setChecked(true); break;
    case SettingKey::UseTrueHeading: (v.useTrueHeading ? optTrueHDG_ : optDevNone_)->setChecked(true); break;
    case SettingKey::DefaultDeviation: txtDfDev_->setText(Text(v.txtDfDev)); break;
    case SettingKey::TimeOffset: txtTimeOffset_->setText(Text(v.txtTimeOffset)); break;
    case SettingKey::TimeOffsetSign: chkTimeOffsetSign_->setChecked(v.timeOffsetSign); break;
    case SettingKey::SimRate:
      txtSimRate_->setText(Text(v.simRate));
      scrSimRate_->SetValue(WholeNumber(v.simRate));
      break;
    case SettingKey::PlotShowText:
      scrolling_ = true;  // the list follows its bar; the value is already the session's
      lstPlotShowText_->verticalScrollBar()->setValue(v.plotShowText);
      scrolling_ = false;
      break;
    case SettingKey::PlotShowData: (v.pltUI ? optPltUI_ : optPltPT_)->setChecked(true); break;
    default: break;
  }
}

void GeneralTab::Activate() {
  const bool trt = session_.Store().IsTRT;
  for (QWidget* w : std::initializer_list<QWidget*>{lblTimeOffset_, txtTimeOffset_, chkTimeOffsetSign_})
    w->setEnabled(trt);
  ShowValue(SettingKey::PlotShowWind);
}

bool GeneralTab::DialogShown() const { return window()->isVisible(); }

void GeneralTab::ReloadNotice() {
  if (DialogShown())
    session_.Prompts().ShowMessage("This setting change only takes effect after reloading file", Icon::None);
}

bool GeneralTab::CheckSpeed(SpeedLimit which) {
  const std::string low = txtPltSpdLow_->text().toStdString(), high = txtPltSpdHigh_->text().toStdString();
  const std::string refusal = PlotSpeedRefusal(which, low, high);
  if (!refusal.empty()) {
    session_.Prompts().ShowMessage(refusal, Icon::None);
    return false;
  }
  session_.ChangeSettings({SettingKey::PlotSpeedHigh, SettingKey::PlotSpeedLow},
                          [&](SettingsValues& v) { TakePlotSpeed(v, which, low, high); });
  return true;
}

bool GeneralTab::ValidateWindAngles() {
  const WindAngles angles = CheckWindAngles(txtWA_[0]->text().toStdString(), txtWA_[1]->text().toStdString(),
                                            txtWA_[2]->text().toStdString());
  for (int i = 0; i < 3; ++i) txtWA_[i]->setText(QString::number(angles.values[i]));
  if (angles.ordered) {
    session_.ChangeSettings({SettingKey::WAmin, SettingKey::WAmed, SettingKey::WAmax},
                            [&](SettingsValues& v) { TakeWindAngles(v, angles); });
    return true;
  }
  session_.Prompts().ShowMessage(kWindAnglesMessage, Icon::None);
  ShowValue(SettingKey::WAmin);  // the limits last taken
  return false;
}

void GeneralTab::CheckTimeOffset() {
  const std::string text =
      TimeOffsetText(txtTimeOffset_->text().toStdString()).value_or(session_.StoredSetting(SettingKey::TimeOffset));
  txtTimeOffset_->setText(Text(text));
  // Tabbing through the box changes nothing, and re-opens nothing.
  if (text == session_.Settings().txtTimeOffset) return;
  session_.ChangeSetting(SettingKey::TimeOffset, [&](SettingsValues& v) { v.txtTimeOffset = text; });
  session_.Open();
}

void GeneralTab::ValidateSimRate() {
  const std::string text = CheckSimRate(txtSimRate_->text().toStdString());
  txtSimRate_->setText(Text(text));
  {
    const QSignalBlocker blocker(scrSimRate_);
    scrSimRate_->SetValue(WholeNumber(text));
  }
  session_.ChangeSetting(SettingKey::SimRate, [&](SettingsValues& v) { v.simRate = text; });
}

void GeneralTab::LeaveDeviation() {
  const std::string text = txtDfDev_->text().toStdString();
  if (text == session_.Settings().txtDfDev) return;
  session_.ChangeSetting(SettingKey::DefaultDeviation, [&](SettingsValues& v) { v.txtDfDev = text; });
  ReloadNotice();
}

void GeneralTab::ScrollShowText(int top) {
  if (scrolling_) return;
  scrolling_ = true;
  const int32_t shown = ScrolledPlotShowText(top);
  lstPlotShowText_->verticalScrollBar()->setValue(shown);
  lstPlotShowText_->clearSelection();
  scrolling_ = false;
  session_.ChangeSetting(SettingKey::PlotShowText, [&](SettingsValues& v) { v.plotShowText = shown; });
}

}  // namespace wl
