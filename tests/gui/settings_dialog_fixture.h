#pragma once
// The settings dialog over a session on a fresh settings file, shown and active, and the moves a
// user makes in it.
#include <QApplication>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include "settings/ui/settings_dialog.h"
#include "support/window_harness.h"

namespace wl::test {

struct DialogFixture : SessionFixture {
  explicit DialogFixture(const char* sample = nullptr) {
    if (sample) session.OpenFile(SamplePath(sample));
    QObject::connect(&session, &TrackSession::SettingChanged,
                     [this](SettingKey key) { announced << QString::fromLatin1(Setting(key).name); });
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    if (!QTest::qWaitForWindowActive(&dialog)) qFatal("dialog not active");
  }

  template <class T = QWidget>
  T* Find(const char* name) {
    T* w = dialog.findChild<T*>(name);
    if (!w) qFatal("no widget %s", name);
    return w;
  }
  QString Text(const char* box) { return Find<QLineEdit>(box)->text(); }
  // Replaces the box's text key by key, then moves on with Tab.
  void Type(const char* name, const QString& text) {
    auto* box = Find<QLineEdit>(name);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
    QCoreApplication::processEvents();
  }
  // On the box or button at the left, not on the empty end of a wide caption.
  void Click(const char* name) {
    QWidget* w = Find(name);
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(8, w->height() / 2));
  }
  QStringList Announced() { return std::exchange(announced, {}); }

  SettingsDialog dialog{session};
  QStringList announced;  // the keys the session announced
};

}  // namespace wl::test
