#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QObject>
#include <QString>

namespace palvren::testing {

// A window's widget, found by its object name as a person's tools would find it.
template <class Widget>
Widget* part(const QObject& window, const QString& name) {
  Widget* found = window.findChild<Widget*>(name);
  EXPECT_NE(found, nullptr) << name.toStdString();
  return found;
}

// Every button and label of a shown window has the room its text asks for.
inline void expectNothingClipped(QWidget& window) {
  window.show();
  QApplication::processEvents();
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
    if (!button->isVisible()) continue;
    EXPECT_GE(button->width(), button->sizeHint().width()) << button->text().toStdString();
    EXPECT_GE(button->height(), button->sizeHint().height()) << button->text().toStdString();
  }
  for (QLabel* label : window.findChildren<QLabel*>()) {
    if (!label->isVisible()) continue;
    if (label->wordWrap()) {
      EXPECT_GE(label->height(), label->heightForWidth(label->width()))
          << label->text().toStdString();
    } else {
      EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
    }
  }
  window.hide();
}

}  // namespace palvren::testing
