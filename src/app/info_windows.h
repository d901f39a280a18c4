#pragma once

#include <QDialog>

#include "redundancy/match_rule.h"

class QLabel;
class QListWidget;
class QPushButton;
class QTextBrowser;

namespace palvren {

constexpr char kPublisherName[] = "Tallowbrook Software";
constexpr char kPublisherWeb[] = "www.tallowbrook-software.example";
constexpr char kSupportEmail[] = "support@tallowbrook-software.example";

// Help, About.
class frmAbout : public QDialog {
  Q_OBJECT
 public:
  explicit frmAbout(QWidget* parent);
  QLabel* lblVersion;
  QPushButton* cmdOK;
  QTextBrowser* RichTextBox1;

 private:
  void Form_Load();
  void cmdOK_Click();
};

// Help, Redundancy Logic, and the More Info button.
class frmMore : public QDialog {
  Q_OBJECT
 public:
  // The rule in force is described after the exact one.
  frmMore(QWidget* parent, const MatchRule& rule);
  QPushButton* cmdOK;
  QTextBrowser* RichTextBox1;

 private:
  void cmdOK_Click();
};

QString versionText();

}  // namespace palvren
