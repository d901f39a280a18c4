#pragma once

#include <gtest/gtest.h>

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

}  // namespace palvren::testing
