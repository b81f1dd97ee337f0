#pragma once
// frmMain: the program's start window, a view over the track session. It shows the open track in
// the track table, runs the file and edit commands through the session and asks for the other
// windows by its signals.
#include <QWidget>
#include <cstdint>

class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;

namespace wl {

class TackAngleBox;
class TrackSession;
class TrackTableView;

class MainWindow : public QWidget {
  Q_OBJECT

 public:
  // Takes the stored geometry and tack angle from the session and shows the empty table.
  explicit MainWindow(TrackSession& session, QWidget* parent = nullptr);

 public slots:
  // Makes the point's row the current one, shown and highlighted.
  void SelectPoint(int32_t index);

 signals:
  void PlotRequested();
  void TackListRequested();
  void SettingsRequested();
  void FolderListRequested();

 private slots:
  void InsertFile();
  void DeletePoints();
  void Save();
  void DeleteOpenFile();
  void ShowComments();
  void CenterWindow();
  void SizeToDefault();
  // The session's signals.
  void FollowTrack();
  void FollowProcessing();
  void ShowProgress(const QString& caption);
  // Save and Delete Open File follow the kind of the open track after every Open.
  void UpdateFileButtons();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void CreateControls();
  void ConnectControls();
  QPushButton* AddButton(const char* name, const char* caption, const char* toolTip, int left, int top);
  void Place(QWidget* w, int left, int top, int width, int height);
  void Layout();
  void RestoreGeometry();
  void StoreGeometry();

  TrackSession& session_;

  TrackTableView* grid_ = nullptr;
  QPushButton* cmdOpen_ = nullptr;
  QPushButton* cmdPlot_ = nullptr;
  QPushButton* cmdSave_ = nullptr;
  QPushButton* cmdComments_ = nullptr;
  QPushButton* cmdDelFile_ = nullptr;
  QPushButton* cmdShowTack_ = nullptr;
  QPushButton* cmdCOMSet_ = nullptr;
  QPushButton* cmdListDist_ = nullptr;
  QRadioButton* optAllWpts_ = nullptr;
  QRadioButton* optTrackWpts_ = nullptr;
  TackAngleBox* tackAngle_ = nullptr;
  QLabel* inputName_ = nullptr;
  QLabel* outputName_ = nullptr;
  QLabel* progress_ = nullptr;
  QLabel* status_ = nullptr;  // under the table: the dense log hint
  QMenu* optionsMenu_ = nullptr;
};

}  // namespace wl
