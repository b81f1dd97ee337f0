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
  // "Courier New" where the machine has it, else a face that really is fixed-pitch.
  const QFontInfo shown(box->font());
  if (shown.family() != QString("Courier New")) QVERIFY(shown.fixedPitch());

  window.show();
  QVERIFY(QTest::qWaitForWindowExposed(&window));
  QTest::keyClicks(box, "typed");
  QCOMPARE(box->toPlainText(), QString("---- /* race 3\n0004 /* wind 12 kn"));
}

}  // namespace wl

QTEST_MAIN(wl::CommentsWindowTest)
#include "comments_window_test.moc"
