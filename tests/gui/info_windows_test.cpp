#include "app/info_windows.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTextBrowser>

#include "app/main_window.h"
#include "widget_parts.h"

namespace palvren {
namespace {

using testing::part;

QDialog* openDialog(const char* name) {
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (widget->objectName() == name && widget->isVisible()) return qobject_cast<QDialog*>(widget);
  }
  return nullptr;
}

TEST(InfoWindows, AboutShowsThisReleasesVersion) {
  AboutWindow about(nullptr);
  EXPECT_EQ(about.windowTitle(), "About Palvren");
  EXPECT_EQ(part<QLabel>(about, "versionLabel")->text(), "Version 1.0.0");
  EXPECT_EQ(about.minimumSize(), about.maximumSize());
  // The text points to the support address, which the header list above it shows.
  EXPECT_TRUE(
      part<QTextBrowser>(about, "textView")->toPlainText().contains("e-mail address shown above"));
  auto* header = about.findChild<QListWidget*>("headerList");
  ASSERT_NE(header, nullptr);
  EXPECT_EQ(header->item(2)->text(), kSupportEmail);
}

TEST(InfoWindows, OkEnterAndEscapeCloseThem) {
  for (int key : {int(Qt::Key_Return), int(Qt::Key_Escape), -1}) {
    MoreWindow more(nullptr, MatchRule());
    more.show();
    QApplication::processEvents();
    if (key < 0) {
      part<QPushButton>(more, "okButton")->click();
    } else {
      QTest::keyClick(&more, Qt::Key(key));
    }
    EXPECT_FALSE(more.isVisible());
  }
}

TEST(InfoWindows, MoreInfoAndTheMenuOpenTheSameModalExplanation) {
  MainWindow window;
  window.show();
  QString first;
  for (int way = 0; way < 2; ++way) {
    if (way == 0) {
      window.findChild<QPushButton*>("redundancyInfoButton")->click();
    } else {
      window.findChild<QAction*>("redundancyLogicAction")->trigger();
    }
    QDialog* more = openDialog("MoreWindow");
    ASSERT_NE(more, nullptr);
    EXPECT_TRUE(more->isModal());
    EXPECT_EQ(more->windowTitle(), "Redundancy Operation Logic Explanation");
    QString text = more->findChild<QTextBrowser*>("textView")->toPlainText();
    EXPECT_TRUE(text.startsWith("The redundancy checking operation is complex"));
    if (way == 0) first = text;
    EXPECT_EQ(text, first);
    QTest::keyClick(more, Qt::Key_Escape);
    QApplication::processEvents();
    EXPECT_EQ(openDialog("MoreWindow"), nullptr);
  }
  // The rule in force is explained: the tolerant one only when it is on.
  EXPECT_FALSE(first.contains("Tolerant Matching (in force)"));
  MatchRule tolerant;
  tolerant.tolerant = true;
  tolerant.countryCode = "44";
  const QString explained =
      MoreWindow(nullptr, tolerant).findChild<QTextBrowser*>("textView")->toPlainText();
  EXPECT_TRUE(explained.contains("Tolerant Matching (in force)"));
  EXPECT_TRUE(explained.contains("one of +44"));
  window.findChild<QAction*>("aboutAction")->trigger();
  QDialog* about = openDialog("AboutWindow");
  ASSERT_NE(about, nullptr);
  about->findChild<QPushButton*>("okButton")->click();
  EXPECT_TRUE(window.findChild<QRadioButton*>("operationButtons0")->isChecked());
  window.close();
}

}  // namespace
}  // namespace palvren
