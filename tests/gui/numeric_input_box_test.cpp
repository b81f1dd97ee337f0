// The number entry of the settings dialog's boxes: which keys pass, which changes are undone, and
// where the caret goes back to.
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QtTest>

#include "widgets/numeric_input_box.h"

namespace wl {

class NumericInputBoxTest : public QObject {
  Q_OBJECT

 private slots:
  void KeysPastesAndCaret();
};

void NumericInputBoxTest::KeysPastesAndCaret() {
  struct Case {
    const char* what;
    bool decimals;
    int numDecimals;
    const char* start;
    int caret;          // where the typing or the paste goes in
    const char* typed;  // typed key by key
    const char* pasted;
    const char* text;  // the box afterwards
    int caretAfter;
  };
  const Case cases[] = {
      {"one decimal", true, 1, "", 0, "7.5", nullptr, "7.5", 3},
      {"a second decimal is undone", true, 1, "7.5", 3, "2", nullptr, "7.5", 3},
      {"undone with the caret where it was", true, 1, "7.5", 1, nullptr, "4.5", "7.5", 1},
      {"digits before the point", true, 1, "7.5", 1, "3", nullptr, "73.5", 2},
      {"a second point is swallowed", true, 2, "", 0, "1.2.3", nullptr, "1.23", 4},
      {"no point without decimals", false, 0, "", 0, "4.5", nullptr, "45", 2},
      {"pasted decimals undone", false, 0, "12", 2, nullptr, "4.5", "12", 2},
      {"a sign", false, 0, "", 0, "-5", nullptr, "-5", 2},
      {"letters and blanks swallowed", true, 2, "", 0, "a1 b2", nullptr, "12", 2},
      {"pasted letters undone", true, 2, "12", 1, nullptr, "abc", "12", 1},
      {"pasted exponent is a number", false, 0, "", 0, nullptr, "1e5", "1e5", 3},
  };
  for (const Case& c : cases) {
    QLineEdit box(c.start);
    box.show();
    new NumericInputBox(&box, c.decimals, c.numDecimals);
    box.setCursorPosition(c.caret);
    if (c.typed) QTest::keyClicks(&box, c.typed);
    if (c.pasted) {
      QGuiApplication::clipboard()->setText(c.pasted);
      QTest::keyClick(&box, Qt::Key_V, Qt::ControlModifier);
    }
    QVERIFY2(box.text() == c.text, c.what);
    QVERIFY2(box.cursorPosition() == c.caretAfter, c.what);
  }

  // Emptying the box is accepted.
  QLineEdit box("12");
  new NumericInputBox(&box, true, 1);
  box.selectAll();
  QTest::keyClick(&box, Qt::Key_Backspace);
  QCOMPARE(box.text(), QString());
}

}  // namespace wl

QTEST_MAIN(wl::NumericInputBoxTest)
#include "numeric_input_box_test.moc"
