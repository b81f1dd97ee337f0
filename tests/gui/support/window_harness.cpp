#include "support/window_harness.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QRadioButton>
#include <QStyle>
#include <QTimer>

namespace wl::test {

std::string SamplePath(const std::string& name) { return std::string(WAKELINE_SOURCE_DIR) + "/data/samples/" + name; }

QList<QStringList> Cases(const char* name) {
  QFile file(QString(WAKELINE_SOURCE_DIR "/tests/gui/cases/") + name);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) qFatal("no case file %s", name);
  QList<QStringList> cases;
  for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
    if (line.trimmed().isEmpty() || line.startsWith('#')) continue;
    QStringList fields = line.split('|');
    for (QString& field : fields) field = field.trimmed();
    cases << fields;
  }
  if (cases.isEmpty()) qFatal("no cases in %s", name);
  return cases;
}

bool TriggerGridMenu(ReadOnlyGrid* grid, const char* action, bool onHeads) {
  const QModelIndexList before = grid->selectionModel()->selectedIndexes();
  if (onHeads) {
    RightClickHead(grid, 0);
  } else {
    QTest::mouseClick(grid->viewport(), Qt::RightButton, {}, QPoint(5, 5));
  }
  QMenu* menu = grid->PopupMenu();
  const bool shown = menu->isVisible() && grid->selectionModel()->selectedIndexes() == before;
  menu->findChild<QAction*>(action)->trigger();
  menu->hide();
  return shown;
}

void WindowHarness::Restart() {
  app_.reset();
  settings_ = std::make_unique<SettingsStore>(path_);
  app_ = std::make_unique<GuiApp>(*settings_, prompts, false);
}

void WindowHarness::ShowActive() {
  window().show();
  QApplication::setActiveWindow(&window());
  if (!QTest::qWaitForWindowActive(&window())) qFatal("window not active");
}

void WindowHarness::Open(const std::string& file) {
  prompts.ExpectFile("Open first file", file);
  Click("CommandOpenInput");
}

void WindowHarness::ClickRow(int row, Qt::KeyboardModifiers modifiers, Qt::MouseButton button) {
  TrackTableView* grid = Grid();
  grid->scrollTo(grid->model()->index(row, 1));
  QTest::mouseClick(grid->viewport(), button, modifiers, grid->visualRect(grid->model()->index(row, 1)).center());
}

void RightClickHead(QTableView* grid, int col) {
  QHeaderView* head = grid->horizontalHeader();
  const QPoint at(head->sectionViewportPosition(col) + head->sectionSize(col) / 2, head->height() / 2);
  QTest::mouseClick(head->viewport(), Qt::RightButton, Qt::NoModifier, at);
}

void Type(QLineEdit* box, const QString& text, bool leave) {
  box->setFocus();
  box->selectAll();
  QTest::keyClicks(box, text);
  if (leave) QTest::keyClick(box, Qt::Key_Tab);
  QCoreApplication::processEvents();
}

void OnNextModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act = std::move(act)] {
    if (QWidget* w = QApplication::activeModalWidget()) act(w);
  });
}

bool CaptionWhole(const QWidget* control) {
  const auto* button = qobject_cast<const QAbstractButton*>(control);
  const auto* label = qobject_cast<const QLabel*>(control);
  if ((!button || button->text().isEmpty()) && (!label || label->text().isEmpty())) return true;
  const QFontMetrics metrics(control->font());
  if (label) {
    const int flags = label->wordWrap() ? Qt::TextWordWrap : 0;
    const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 1 << 20), flags, label->text());
    return needed.width() <= label->width() && needed.height() <= label->height();
  }
  const QStyle* style = control->style();
  int needed = metrics.horizontalAdvance(button->text());
  if (qobject_cast<const QRadioButton*>(button)) {
    needed += style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
              style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
  } else {
    needed += 2 * style->pixelMetric(QStyle::PM_ButtonMargin);
  }
  return needed <= button->width();
}

bool RowWhole(const QTableView* grid, int row) {
  const QAbstractItemModel* model = grid->model();
  const int headMargin = 2 * grid->style()->pixelMetric(QStyle::PM_HeaderMargin);
  const int cellMargin = 2 * (grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin) + 1);
  for (int col = 0; col < model->columnCount(); ++col) {
    const QString head = model->headerData(col, Qt::Horizontal).toString();
    const QString cell = model->index(row, col).data().toString();
    if (grid->horizontalHeader()->fontMetrics().horizontalAdvance(head) + headMargin > grid->columnWidth(col) ||
        grid->fontMetrics().horizontalAdvance(cell) + cellMargin > grid->columnWidth(col))
      return false;
  }
  return true;
}

}  // namespace wl::test
