// The comments window: caption, read-only text with its lines, a fixed-pitch font, modal.
#include <QFontInfo>
#include <QPlainTextEdit>
#include <QtTest>

#include "mainwin/comments_window.h"

namespace wl {

class CommentsWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ShowsTheCommentLinesReadOnlyInAFixedPitchFont();
};

void CommentsWindowTest::ShowsTheCommentLinesReadOnlyInAFixedPitchFont() {
  CommentsWindow window("Wakeline  V1.1.129", "---- /* race 3\r\n0004 /* wind 12 kn", nullptr);
  QCOMPARE(window.objectName(), QString("frmDisplText"));
  QCOMPARE(window.windowTitle(), QString("Wakeline  V1.1.129"));
  QVERIFY(window.isModal());
  auto* box = window.findChild<QPlainTextEdit*>("txtBox");
  QVERIFY(box != nullptr);
  QVERIFY(box->isReadOnly());
  QCOMPARE(box->toPlainText(), QString("---- /* race 3\n0004 /* wind 12 kn"));
  QCOMPARE(box->document()->blockCount(), 2);
  QCOMPARE(box->font().family(), QString("Courier New"));
  QVERIFY(QFontInfo(box->font()).fixedPitch());

  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTest::keyClicks(box, "typed");
  QCOMPARE(box->toPlainText(), QString("---- /* race 3\n0004 /* wind 12 kn"));
}

}  // namespace wl

QTEST_MAIN(wl::CommentsWindowTest)
#include "comments_window_test.moc"
