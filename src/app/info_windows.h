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
class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent);

 private:
  QLabel* versionLabel;
  QPushButton* okButton;
  QTextBrowser* textView;

  void load();
  void onOkClicked();
};

// Help, Redundancy Logic, and the More Info button.
class MoreWindow : public QDialog {
  Q_OBJECT
 public:
  // The rule in force is described after the exact one.
  MoreWindow(QWidget* parent, const MatchRule& rule);

 private:
  QPushButton* okButton;
  QTextBrowser* textView;

  void onOkClicked();
};

QString versionText();

}  // namespace palvren
