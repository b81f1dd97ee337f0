#include "widgets/clipboard_text.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>

namespace wl {

void SetClipboardText(const std::string& text) {
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->clear();
  clipboard->setText(QString::fromStdString(text));
}

}  // namespace wl
