#pragma once
// The comments of a track file in a read-only text window with a fixed-pitch font, so that
// comment lines laid out as columns keep their layout.
#include <QDialog>

class QString;

namespace wl {

class CommentsWindow : public QDialog {
  Q_OBJECT
 public:
  CommentsWindow(const QString& caption, const QString& text, QWidget* parent = nullptr);
};

}  // namespace wl
