#pragma once

#include <QLabel>

namespace palvren {

// A text cut at a word boundary to the room its label has, ending in "…"; the whole text is the
// tooltip. A long text never widens the label (nor the window) and is never cut mid-word.
QString elidedAtWord(const QString& text, const QFontMetrics& metrics, int width);

class ElidedLabel : public QLabel {
 public:
  explicit ElidedLabel(const QString& text, QWidget* parent = nullptr);

  void setFullText(const QString& text);
  const QString& fullText() const { return fullText_; }

  QSize minimumSizeHint() const override;
  QSize sizeHint() const override;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void elide();

  QString fullText_;
};

}  // namespace palvren
