#include "app/elided_label.h"

#include <QFontMetrics>

namespace palvren {

QString elidedAtWord(const QString& text, const QFontMetrics& metrics, int width) {
  if (metrics.horizontalAdvance(text) <= width) return text;
  const QString ellipsis = QStringLiteral("\u2026");
  QString shown = text;
  while (!shown.isEmpty()) {
    const qsizetype space = shown.lastIndexOf(' ');
    // A single word too long for the room is cut where it must be.
    if (space <= 0) return metrics.elidedText(text, Qt::ElideRight, width);
    shown.truncate(space);
    while (shown.endsWith(' ') || shown.endsWith(',') || shown.endsWith(':')) shown.chop(1);
    if (metrics.horizontalAdvance(shown + ellipsis) <= width) return shown + ellipsis;
  }
  return ellipsis;
}

ElidedLabel::ElidedLabel(const QString& text, QWidget* parent) : QLabel(parent) {
  setFullText(text);
}

void ElidedLabel::setFullText(const QString& text) {
  fullText_ = text;
  setToolTip(text);
  elide();
}

QSize ElidedLabel::minimumSizeHint() const {
  return {minimumWidth(), QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::sizeHint() const { return {minimumWidth(), QLabel::sizeHint().height()}; }

void ElidedLabel::resizeEvent(QResizeEvent* event) {
  QLabel::resizeEvent(event);
  elide();
}

void ElidedLabel::elide() {
  const int room = contentsRect().width() - 2 * margin() - 2 * indent();
  setText(elidedAtWord(fullText_, fontMetrics(), std::max(room, 0)));
}

}  // namespace palvren
