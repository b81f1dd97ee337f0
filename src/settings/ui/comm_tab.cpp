#include "settings/ui/comm_tab.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "session/nmea_link.h"
#include "session/track_session.h"
#include "widgets/placed_control.h"

namespace wl {

namespace {

constexpr int kBoxLeft = 2400, kNormalLeft = 4800, kRowHeight = 330;

// What each property does on a port that only sends, in the order of kPortRows; the port number's
// tip lists the ports.
const char* const kRowTips[] = {
    nullptr,
    "The DTR line while the port is open",
    "Flow control: 0 none, 1 XOn/XOff, 2 RTS/CTS, 3 both (taken as RTS/CTS)",
    "The port's read buffer; nothing is read from the port",
    "Kept as a value only: nothing is read from the port",
    "Kept as a value only: nothing is read from the port",
    "Kept as a value only: nothing is read from the port",
    "Kept as a value only: each sentence is written and sent at once",
    "Kept as a value only: nothing is read from the port",
    "Kept as a value only: the port raises no receive events",
    "The RTS line while the port is open, unless RTS/CTS handshaking drives it",
    "Speed, parity (n, e, o, m, s), data bits (5 to 8), stop bits (1, 1.5, 2)",
    "Kept as a value only: the port raises no send events",
};

}  // namespace

CommTab::CommTab(TrackSession& session, QWidget* parent)
    : QGroupBox("Communications Port", parent), session_(session) {
  setObjectName("fraProp");
  PlacedControl<QLabel>(this, "lblActual", "Actual Values", kBoxLeft, 330, 2160, 255);
  PlacedControl<QLabel>(this, "lblRecommended", "Normal Values", kNormalLeft, 330, 2160, 255);
  cmdAdvancedSettings_ = PlacedControl<QPushButton>(this, "cmdAdvancedSettings", "Advanced >>", 7200, 570, 1800, 375);
  frmAdvancedCom_ = PlacedControl<QFrame>(this, "frmAdvancedCom", "", 0, 1020, 9600, kRowHeight * 12);
  frmAdvancedCom_->setVisible(false);
  frmAdvancedCom_->setEnabled(false);
  for (size_t row = 0; row < kPortRows.size(); ++row) {
    const PortRow& r = kPortRows[row];
    QWidget* parent = row == 0 ? static_cast<QWidget*>(this) : frmAdvancedCom_;
    const int top = row == 0 ? 600 : kRowHeight * static_cast<int>(row - 1);
    const QByteArray label = QByteArray("lbl") + (r.box + 3);  // txtSettings: lblSettings
    const QByteArray normal = "Label" + QByteArray::number(static_cast<int>(row) + 1);
    PlacedControl<QLabel>(parent, label.constData(), r.label, 120, top + 30, 2160, 255);
    boxes_[row] = PlacedControl<QLineEdit>(parent, r.box, "", kBoxLeft, top, 2160, 300);
    PlacedControl<QLabel>(parent, normal.constData(), r.normal, kNormalLeft, top + 30, 2160, 255);
    if (kRowTips[row]) boxes_[row]->setToolTip(kRowTips[row]);
  }
  QLineEdit* inputMode = boxes_[5];
  connect(inputMode, &QLineEdit::textChanged, this, [inputMode](const QString& typed) {
    const QString text = QString::fromStdString(InputModeText(typed.toStdString()));
    if (text != typed) inputMode->setText(text);
  });
  connect(cmdAdvancedSettings_, &QPushButton::clicked, this, &CommTab::ToggleAdvanced);
  ListPorts();
  ShowComValues();
}

void CommTab::ListPorts() {
  QString tip = "A device path such as /dev/ttyUSB0, or n for the n-th serial port listed:";
  const std::vector<std::string> ports = session_.Link().ListedPorts();
  for (size_t i = 0; i < ports.size(); ++i)
    tip += QString("\n%1 = %2").arg(i + 1).arg(QString::fromStdString(ports[i]));
  if (ports.empty()) tip += "\nno serial port is listed";
  boxes_[0]->setToolTip(tip);
}

void CommTab::ShowComValues() {
  const NmeaLink& link = session_.Link();
  const PortTexts texts = PortValueTexts(link.CommPort(), link.Properties());
  for (size_t i = 0; i < texts.size(); ++i) boxes_[i]->setText(QString::fromStdString(texts[i]));
}

void CommTab::Refused(const std::string& error) {
  session_.Prompts().ShowMessage(error + "\r\nThe port keeps its values.", Icon::Exclamation);
}

void CommTab::Apply(const std::string& commPort, const PortProperties& properties) {
  std::string error;
  if (!session_.Link().ApplyPort(commPort, properties, error)) Refused(error);
}

void CommTab::ApplyComValues() {
  PortTexts texts;
  for (size_t i = 0; i < texts.size(); ++i) texts[i] = boxes_[i]->text().toStdString();
  std::string commPort, error;
  PortProperties properties;
  if (PortValuesFromTexts(texts, commPort, properties, error)) {
    Apply(commPort, properties);
  } else {
    Refused(error);
  }
}

void CommTab::LoadDefaults() {
  std::string error;
  if (!session_.Link().ApplyStoredPort(error)) Refused(error);
  ShowComValues();
}

void CommTab::SaveAsDefaults() {
  for (size_t i = 0; i < kPortRows.size(); ++i)
    session_.StoreSetting(kPortRows[i].key, boxes_[i]->text().toStdString());
}

void CommTab::SetRecommended() {
  Apply("1", PortProperties{});
  ShowComValues();
}

void CommTab::ToggleAdvanced() {
  const bool show = frmAdvancedCom_->isHidden();
  frmAdvancedCom_->setVisible(show);
  frmAdvancedCom_->setEnabled(show);
  cmdAdvancedSettings_->setText(show ? "<< Simple" : "Advanced >>");
}

}  // namespace wl
