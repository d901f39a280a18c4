#include "app/artwork.h"

#include <QPainter>
#include <QPainterPath>

namespace palvren {

namespace {

// A contact card: a rounded card with a head and shoulders, and a fold of split pages.
void paintCard(QPainter& painter, const QRectF& area) {
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal w = area.width();
  const qreal h = area.height();
  QRectF back(area.x() + w * 0.18, area.y() + h * 0.08, w * 0.74, h * 0.70);
  painter.setPen(QPen(QColor(30, 70, 140), qMax<qreal>(1.0, w / 40)));
  painter.setBrush(QColor(170, 200, 240));
  painter.drawRoundedRect(back, w * 0.06, w * 0.06);
  QRectF card(area.x() + w * 0.06, area.y() + h * 0.22, w * 0.74, h * 0.70);
  painter.setBrush(QColor(250, 250, 235));
  painter.drawRoundedRect(card, w * 0.06, w * 0.06);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(40, 140, 70));
  const qreal head = card.height() * 0.28;
  painter.drawEllipse(
      QRectF(card.x() + card.width() * 0.12, card.y() + card.height() * 0.14, head, head));
  QPainterPath shoulders;
  QRectF body(card.x() + card.width() * 0.05, card.y() + card.height() * 0.46, head * 1.9,
              head * 1.6);
  shoulders.addEllipse(body);
  painter.setClipRect(card.adjusted(0, 0, 0, -card.height() * 0.12));
  painter.drawPath(shoulders);
  painter.setClipping(false);
  painter.setBrush(QColor(30, 70, 140));
  for (int line = 0; line < 3; ++line) {
    painter.drawRoundedRect(
        QRectF(card.x() + card.width() * 0.52, card.y() + card.height() * (0.22 + 0.2 * line),
               card.width() * 0.38, card.height() * 0.08),
        2, 2);
  }
}

}  // namespace

QIcon applicationIcon() {
  QIcon icon;
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    paintCard(painter, QRectF(0, 0, size, size));
    icon.addPixmap(pixmap);
  }
  return icon;
}

QPixmap logoPicture() {
  QPixmap pixmap(101, 75);
  pixmap.fill(Qt::white);
  QPainter painter(&pixmap);
  paintCard(painter, QRectF(2, 2, 70, 70));
  painter.setPen(QColor(30, 70, 140));
  QFont font = painter.font();
  font.setBold(true);
  font.setPixelSize(13);
  painter.setFont(font);
  painter.drawText(QRectF(50, 50, 50, 24), Qt::AlignRight | Qt::AlignVCenter, "vcf");
  return pixmap;
}

QIcon conflictArrowIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(220, 0, 0));
  QPolygonF arrow({QPointF(1, 6), QPointF(8, 6), QPointF(8, 2), QPointF(15, 8), QPointF(8, 14),
                   QPointF(8, 10), QPointF(1, 10)});
  painter.drawPolygon(arrow);
  return QIcon(pixmap);
}

QIcon matchedFieldIcon() {
  QPixmap pixmap(16, 16);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  QPen pen(QColor(30, 150, 60));  // a green that reads on light and dark rows
  pen.setWidthF(2.5);
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  painter.setPen(pen);
  painter.drawPolyline(QPolygonF({QPointF(2.5, 8.5), QPointF(6.5, 12.5), QPointF(13.5, 3.5)}));
  return QIcon(pixmap);
}

}  // namespace palvren
