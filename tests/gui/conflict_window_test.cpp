#include "app/conflict_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include "support/records.h"

namespace palvren {
namespace {

constexpr auto card = testing::recordOf;

class PromptWindowTest : public ::testing::Test {
 protected:
  ContactRecord first = card({{"BEGIN", "VCARD"},
                              {"VERSION", "3.0"},
                              {"N", "Doe;John;;;"},
                              {"FN", "John Doe"},
                              {"TEL;CELL", "555"},
                              {"END", "VCARD"}});
  ContactRecord second = card({{"BEGIN", "VCARD"},
                               {"VERSION", "3.0"},
                               {"N", "Doe;Jon;;;"},
                               {"FN", "John Doe"},
                               {"ORG", "Only here"},
                               {"END", "VCARD"}});
  PromptContext context{&first, &second, 3, 7, "N"};
  std::vector<QString> prompts;
  std::vector<QString> notices;
  std::optional<QString> typed;

  std::unique_ptr<frmPrompt> makeWindow() {
    return std::make_unique<frmPrompt>(
        context, nullptr,
        [this](const QString& prompt, const QString& title) {
          prompts.push_back(title + "|" + prompt);
          return typed;
        },
        [this](const QString& text) { notices.push_back(text); });
  }
  QTreeWidgetItem* row(frmPrompt& window, int index) {
    return window.ListView1->topLevelItem(index);
  }
};

TEST_F(PromptWindowTest, ListsTheFirstContactsTagsBesideBothValues) {
  auto window = makeWindow();
  EXPECT_EQ(window->windowTitle(), "Select the Correct Data");
  QTreeWidgetItem* header = window->ListView1->headerItem();
  EXPECT_EQ(header->text(0), "Tags");
  EXPECT_EQ(header->text(1), "Contact (3)");
  EXPECT_EQ(header->text(2), "Contact (7)");
  ASSERT_EQ(window->ListView1->topLevelItemCount(), 6);
  const QStringList tags = {"BEGIN", "VERSION", "[name]", "[formatted name]", "[telephone #];CELL",
                            "END"};
  for (int i = 0; i < 6; ++i) EXPECT_EQ(row(*window, i)->text(0), tags[i]);
  EXPECT_EQ(row(*window, 2)->text(1), "Doe John");
  EXPECT_EQ(row(*window, 4)->text(2), "");  // the second contact has no TEL;CELL
}

TEST_F(PromptWindowTest, SaysWhyThePairMatchedAndGrowsWithItsWholeValuesInTooltips) {
  first.setValue("EMAIL", "john@example.org");
  first.appendTag("EMAIL");
  second.setValue("EMAIL", "john@example.org");
  second.appendTag("EMAIL");
  first.setValue("TEL;CELL", "555 " + std::string(200, '1'));
  auto window = makeWindow();
  EXPECT_EQ(window->lblWhyMatched->text(), "Same e-mail: john@example.org");
  EXPECT_EQ(row(*window, 4)->toolTip(1), QString::fromStdString("555 " + std::string(200, '1')));
  window->show();
  const QSize start = window->size();
  window->resize(start + QSize(300, 200));
  QApplication::processEvents();
  EXPECT_EQ(window->size(), start + QSize(300, 200));
  EXPECT_GT(window->ListView1->width(), start.width());
  EXPECT_EQ(window->txtOption[0]->focusPolicy(), Qt::ClickFocus);  // not a tab stop
}

TEST_F(PromptWindowTest, MarksTheConflictingRow) {
  auto window = makeWindow();
  QTreeWidgetItem* conflict = row(*window, 2);
  EXPECT_TRUE(conflict->font(0).bold());
  EXPECT_EQ(conflict->foreground(1).color(), QColor(255, 0, 0));
  EXPECT_FALSE(conflict->icon(0).isNull());
  EXPECT_TRUE(row(*window, 1)->icon(0).isNull());
  EXPECT_EQ(window->ListView1->currentItem(), conflict);
  EXPECT_EQ(window->txtOption[0]->text(), "Doe John");
  EXPECT_EQ(window->txtOption[1]->text(), "Doe Jon");
}

TEST_F(PromptWindowTest, EachButtonAnswersItsIndex) {
  for (int index = 0; index < 4; ++index) {
    auto window = makeWindow();
    window->show();
    window->chkApplyToAll->setChecked(index % 2 == 1 || index == 3);
    window->cmdOption[index]->click();
    EXPECT_EQ(window->decision().answer, ConflictChoice(index));
    // Keep Neither removes both contacts: never applied to the rest unseen.
    EXPECT_EQ(window->decision().applyToRemaining, index == 1) << index;
    EXPECT_FALSE(window->isVisible());
  }
}

TEST_F(PromptWindowTest, StopCheckingKeepsBothAndEndsTheQuestions) {
  auto window = makeWindow();
  window->show();
  window->cmdStopChecking->click();
  EXPECT_EQ(window->decision().answer, ConflictChoice::KeepBoth);
  EXPECT_TRUE(window->decision().stopChecking);
  EXPECT_FALSE(window->isVisible());
}

TEST_F(PromptWindowTest, EscapeEnterAndClosingAnswerKeepBoth) {
  for (int key : {int(Qt::Key_Escape), int(Qt::Key_Return), 0}) {
    auto window = makeWindow();
    window->show();
    QApplication::processEvents();
    if (key != 0) {
      QTest::keyClick(window.get(), Qt::Key(key));
    } else {
      window->close();
    }
    EXPECT_EQ(window->decision().answer, ConflictChoice::KeepBoth);
    EXPECT_FALSE(window->isVisible());
  }
}

TEST_F(PromptWindowTest, DoubleClickTypesTheFieldForBothContacts) {
  auto window = makeWindow();
  typed = QString("Doe;Jonathan");
  window->editRow(row(*window, 2));
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0],
            "Update Existing Data Field|Enter the value for the \"[name]\" field here:");
  EXPECT_EQ(first.value("N"), "Doe;John;;;");  // applied by pass 2, after the answer
  EXPECT_EQ(window->decision().edits, (std::vector<FieldEdit>{{"N", "Doe;Jonathan"}}));
  EXPECT_EQ(row(*window, 2)->text(1), "Doe;Jonathan");
  EXPECT_EQ(row(*window, 2)->text(2), "Doe;Jonathan");
  EXPECT_EQ(window->txtOption[0]->text(), "Doe John");  // the boxes keep what they showed
}

TEST_F(PromptWindowTest, ACancelledOrEmptyEditChangesNothing) {
  auto window = makeWindow();
  typed = std::nullopt;
  window->editRow(row(*window, 4));
  typed = QString();
  window->editRow(row(*window, 4));
  EXPECT_EQ(prompts.size(), 2u);
  EXPECT_EQ(
      prompts[0],
      "Update Existing Data Field|Enter the value for the \"[telephone #];CELL\" field here:");
  EXPECT_TRUE(window->decision().edits.empty());
  EXPECT_EQ(row(*window, 4)->text(1), "555");
}

TEST_F(PromptWindowTest, EachContactShowsInItsOwnEncodingAndRefusesWhatItCannotHold) {
  first.setValue("FN", "Jos\xC3\xA9");
  second.setValue("FN", "Jos\xE9");  // not UTF-8: this contact is ISO-8859-1
  context.conflictTag = "FN";
  auto window = makeWindow();
  EXPECT_EQ(window->txtOption[0]->text(), QString::fromUtf8("Jos\xC3\xA9"));
  EXPECT_EQ(window->txtOption[1]->text(), QString::fromUtf8("Jos\xC3\xA9"));
  typed = QString::fromUtf8("Ren\xC3\xA9 \xE2\x82\xAC 5");
  window->editRow(row(*window, 3));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(notices[0].startsWith("Contact (7) is written in ISO-8859-1"))
      << notices[0].toStdString();
  EXPECT_TRUE(window->decision().edits.empty());
  EXPECT_EQ(row(*window, 3)->text(2), QString::fromUtf8("Jos\xC3\xA9"));
  typed = QString::fromUtf8("Ren\xC3\xA9");
  window->editRow(row(*window, 3));
  EXPECT_EQ(window->decision().edits, (std::vector<FieldEdit>{{"FN", "Ren\xC3\xA9"}}));
}

}  // namespace
}  // namespace palvren
