#include "settings/ui/settings_dialog.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QTabWidget>
#include <QVBoxLayout>

#include "settings/ui/comm_tab.h"
#include "settings/ui/general_tab.h"
#include "settings/ui/nmea_tab.h"
#include "widgets/twips.h"

namespace wl {

namespace {

// Every frame has the size of the first; the dialog leaves room around it for the menu and tabs.
constexpr int kFrameWidth = 9600, kFrameHeight = 5100;

}  // namespace

SettingsDialog::SettingsDialog(TrackSession& session) : QWidget(nullptr, Qt::Window), session_(session) {
  setObjectName("frmControlProps");
  setWindowTitle("Properties");
  auto* tabs = new QTabWidget(this);
  tabs->setObjectName("TabProp");
  general_ = new GeneralTab(session_, tabs);
  nmea_ = new NmeaTab(session_, tabs);
  comm_ = new CommTab(session_, tabs);
  const struct {
    QWidget* frame;
    const char* caption;
    const char* toolTip;
  } pages[] = {{general_, "General", "General Settings"},
               {nmea_, "NMEA", "Determine which NMEA Sentences to send to Comm Port"},
               {comm_, "Communications", "Choose communications Port Settings and details"}};
  for (const auto& page : pages) {
    const int index = tabs->addTab(page.frame, page.caption);
    tabs->setTabToolTip(index, page.toolTip);
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs);
  CreateMenu();
  setFixedSize(TwipsToPx(kFrameWidth + 450, this), TwipsToPx(kFrameHeight + 1600, this));
}

void SettingsDialog::CreateMenu() {
  auto* bar = new QMenuBar(this);
  QMenu* values = bar->addMenu("&ComValues");
  values->setObjectName("mnuValues");
  const struct {
    const char* name;
    const char* caption;
    void (CommTab::*action)();
  } items[] = {{"mnuValuesLoad", "&Load defaults", &CommTab::LoadDefaults},
               {"mnuValuesSave", "&Save as defaults", &CommTab::SaveAsDefaults},
               {"mnuValuesOnly", "Save for session onl&y", &CommTab::ApplyComValues},
               {"mnuValuesSet", "Set &Recommended Values", &CommTab::SetRecommended}};
  for (const auto& item : items) {
    QAction* action = values->addAction(item.caption, comm_, item.action);
    action->setObjectName(item.name);
  }
  layout()->setMenuBar(bar);
}

bool SettingsDialog::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) {
    general_->Activate();
    comm_->ListPorts();
  }
  return QWidget::event(event);
}

void SettingsDialog::closeEvent(QCloseEvent* event) {
  // Its controls are the settings the user sees next time: it only hides.
  hide();
  event->ignore();
}

void SettingsDialog::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && !childAt(event->position().toPoint())) {
    comm_->ApplyComValues();
    nmea_->OutputSwitch()->setFocus(Qt::MouseFocusReason);
  }
  QWidget::mousePressEvent(event);
}

}  // namespace wl
