#include "app/conflict_window.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <array>
#include <deque>

#include "app/review_window.h"
#include "redundancy/field_key.h"
#include "support/corpus.h"
#include "support/records.h"
#include "widget_parts.h"

namespace palvren {
namespace {

using testing::part;

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
  PromptContext context{&first, &second, 3, 7, "N", {}};
  std::vector<QString> prompts;
  std::vector<QString> notices;
  std::vector<QString> initials;
  std::deque<std::optional<QString>> inputs;  // typed in turn, then typed
  std::vector<QString> confirmations;
  bool confirmed = true;
  std::optional<QString> typed;

  std::unique_ptr<ConflictWindow> makeWindow() {
    return std::make_unique<ConflictWindow>(
        context, nullptr,
        [this](const QString& prompt, const QString& title, const QString& initial) {
          prompts.push_back(title + "|" + prompt);
          initials.push_back(initial);
          if (inputs.empty()) return typed;
          std::optional<QString> next = inputs.front();
          inputs.pop_front();
          return next;
        },
        [this](const QString& text) { notices.push_back(text); },
        [this](const QString& text) {
          confirmations.push_back(text);
          return confirmed;
        });
  }
  QTreeWidgetItem* row(ConflictWindow& window, int index) {
    return part<QTreeWidget>(window, "conflictTable")->topLevelItem(index);
  }
  // The row of a tag, as its label's tooltip names it.
  QTreeWidgetItem* rowOf(ConflictWindow& window, const std::string& tag) {
    auto* table = part<QTreeWidget>(window, "conflictTable");
    const QString named = "(" + QString::fromStdString(tag);
    for (int k = 0; k < table->topLevelItemCount(); ++k) {
      const QString tip = table->topLevelItem(k)->toolTip(0);
      if (tip.contains(named + ")") || tip.contains(named + " /")) return table->topLevelItem(k);
    }
    return nullptr;
  }
};

TEST_F(PromptWindowTest, ListsBothContactsWholeFieldBesideField) {
  auto window = makeWindow();
  EXPECT_EQ(window->windowTitle(), "Select the Correct Data");
  QTreeWidgetItem* header = part<QTreeWidget>(*window, "conflictTable")->headerItem();
  EXPECT_EQ(header->text(0), "Tags");
  EXPECT_EQ(header->text(1), "Contact (3)");
  EXPECT_EQ(header->text(2), "Contact (7)");
  // BEGIN, VERSION and END are not listed; the second contact's ORG is.
  const std::vector<std::array<QString, 3>> rows = {{"Name", "Doe John", "Doe Jon"},
                                                    {"Display name", "John Doe", "John Doe"},
                                                    {"Mobile", "555", ""},
                                                    {"Organization", "", "Only here"}};
  ASSERT_EQ(part<QTreeWidget>(*window, "conflictTable")->topLevelItemCount(), int(rows.size()));
  for (int i = 0; i < int(rows.size()); ++i) {
    for (int column = 0; column < 3; ++column) {
      EXPECT_EQ(row(*window, i)->text(column), rows[std::size_t(i)][std::size_t(column)]) << i;
    }
  }
  EXPECT_EQ(row(*window, 2)->toolTip(0), "Mobile (TEL;CELL)");
  // Spelled otherwise, one field is one row: the mobile beside the mobile.
  second.appendTag("TEL;TYPE=CELL");
  second.setValue("TEL;TYPE=CELL", "556");
  auto spelled = makeWindow();
  EXPECT_EQ(row(*spelled, 2)->text(2), "556");
  EXPECT_EQ(row(*spelled, 2)->toolTip(0), "Mobile (TEL;CELL / TEL;TYPE=CELL)");
  EXPECT_EQ(part<QTreeWidget>(*spelled, "conflictTable")->topLevelItemCount(), 4);
}

TEST_F(PromptWindowTest, SaysWhyThePairMatched) {
  struct Case {
    testing::Lines shared;
    const char* line;
  };
  const Case cases[] = {
      {{{"EMAIL", "john@example.org"}}, "Same e-mail: john@example.org"},
      {{{"TEL;CELL", "555"}, {"FN", "John Doe"}}, "Same telephone and name: 555, John Doe"},
      {{{"ADR", ";;1 High St;Town;;;"}, {"FN", "John Doe"}},
       "Same address and name: 1 High St Town, John Doe"},
  };
  for (const Case& c : cases) {
    first = card({{"BEGIN", "VCARD"}, {"N", "Doe;John;;;"}, {"END", "VCARD"}});
    second = card({{"BEGIN", "VCARD"}, {"N", "Doe;Jon;;;"}, {"END", "VCARD"}});
    for (const auto& [tag, value] : c.shared) {
      for (ContactRecord* contact : {&first, &second}) {
        contact->appendTag(tag);
        contact->setValue(tag, value);
      }
    }
    EXPECT_EQ(part<QLabel>(*makeWindow(), "whyMatchedLabel")->text(), c.line);
  }
}

TEST_F(PromptWindowTest, GrowsWithItsWholeValuesInTooltips) {
  first.setValue("TEL;CELL", "555 " + std::string(200, '1'));
  auto window = makeWindow();
  EXPECT_EQ(row(*window, 2)->toolTip(1), QString::fromStdString("555 " + std::string(200, '1')));
  window->show();
  const QSize start = window->size();
  window->resize(start + QSize(300, 200));
  QApplication::processEvents();
  EXPECT_EQ(window->size(), start + QSize(300, 200));
  EXPECT_GT(part<QTreeWidget>(*window, "conflictTable")->width(), start.width());
  EXPECT_EQ(part<QLineEdit>(*window, QString("valueEdit%1").arg(0))->focusPolicy(),
            Qt::ClickFocus);  // not a tab stop
  // It opens on its screen, and can shrink to fit 1920x1080 at scale 2 (960x540 of room, less
  // the desktop's panel and the window's frame).
  const QSize room = window->screen()->availableGeometry().size();
  EXPECT_LE(start.width(), room.width());
  EXPECT_LE(start.height(), room.height());
  EXPECT_LE(window->minimumSizeHint().width(), 900);
  EXPECT_LE(window->minimumSizeHint().height(), 440) << window->minimumSizeHint().height();
}

TEST_F(PromptWindowTest, TheKeyboardReachesEveryControlInOrder) {
  auto window = makeWindow();
  window->show();
  QApplication::setActiveWindow(window.get());
  part<QTreeWidget>(*window, "conflictTable")->setFocus();
  QApplication::processEvents();
  const std::vector<QWidget*> expected = {
      part<QPushButton>(*window, QString("choiceButton%1").arg(1)),
      part<QPushButton>(*window, QString("choiceButton%1").arg(2)),
      part<QPushButton>(*window, QString("choiceButton%1").arg(0)),
      part<QPushButton>(*window, QString("choiceButton%1").arg(3)),
      part<QCheckBox>(*window, "applyToAllCheckBox"),
      part<QPushButton>(*window, "stopCheckingButton"),
      part<QTreeWidget>(*window, "conflictTable")};
  for (QWidget* next : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), next) << next->objectName().toStdString();
  }
  typed = QString("Doe;Jonathan");
  QTest::keyClick(part<QTreeWidget>(*window, "conflictTable"),
                  Qt::Key_F2);  // edits the current (conflicting) row
  EXPECT_EQ(window->decision().edits, (std::vector<FieldEdit>{{"N", "Doe;Jonathan"}}));
  EXPECT_TRUE(window->isVisible());
}

TEST_F(PromptWindowTest, ShowsPicturesAsThumbnailsAndEncodedTextDecoded) {
  ContactList list;
  ContactTable table(1);
  loadContacts(std::string(PALVREN_TEST_DATA) + "/encoded_values.vcf", list, table);
  first = table[1];
  second = table[1];
  const std::string fn = "FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE";
  const std::string photo = "PHOTO;ENCODING=BASE64;TYPE=GIF";
  second.setValue(fn, "=4A=6F=73=65");
  second.setValue(photo, std::string(table[2].value("item1.PHOTO;ENCODING=b;TYPE=PNG")));
  context.conflictTag = fn;
  const ContactRecord before = second;
  auto window = makeWindow();
  window->show();
  QApplication::processEvents();
  EXPECT_EQ(part<QLineEdit>(*window, QString("valueEdit%1").arg(0))->text(),
            QString::fromUtf8("Jos\xC3\xA9 Br\xC3\xBCning"));
  EXPECT_EQ(part<QLineEdit>(*window, QString("valueEdit%1").arg(1))->text(), "Jose");
  QTreeWidgetItem* picture = rowOf(*window, photo);
  ASSERT_NE(picture, nullptr);
  EXPECT_FALSE(picture->icon(1).isNull());
  EXPECT_FALSE(picture->icon(2).isNull());
  EXPECT_EQ(picture->text(1), QString::fromUtf8("GIF, 2 \xC3\x97 2"));
  EXPECT_EQ(picture->toolTip(2), QString::fromUtf8("PNG image, 4 \xC3\x97 3 pixels, 83 bytes"));
  const int height = part<QTreeWidget>(*window, "conflictTable")->visualItemRect(picture).height();
  EXPECT_GE(height, 16);
  EXPECT_LE(height, 80);  // one row, not eight rows of letters
  // An edit of a quoted-printable field is shown as typed; pass 2 stores it encoded.
  typed = QString::fromUtf8("Ren\xC3\xA9");
  window->editRow(rowOf(*window, fn));
  EXPECT_EQ(rowOf(*window, fn)->text(2), QString::fromUtf8("Ren\xC3\xA9"));
  EXPECT_EQ(second.value(photo), before.value(photo));
  ASSERT_TRUE(applyFieldEdit(first, second, window->decision().edits.at(0)));
  EXPECT_EQ(second.value(fn), "Ren=C3=A9");
  // A picture too large to decode quickly is named from its header, without a thumbnail.
  QImage huge(4001, 4001, QImage::Format_RGB32);
  huge.fill(Qt::gray);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  huge.save(&buffer, "PNG");
  second.setValue(photo, bytes.toBase64().toStdString());
  auto large = makeWindow();
  QTreeWidgetItem* named = rowOf(*large, photo);
  EXPECT_TRUE(named->icon(2).isNull());
  EXPECT_EQ(named->text(2), QString::fromUtf8("PNG, 4001 \xC3\x97 4001"));
}

TEST_F(PromptWindowTest, MarksTheConflictingRow) {
  auto window = makeWindow();
  QTreeWidgetItem* conflict = row(*window, 0);
  EXPECT_TRUE(conflict->font(0).bold());
  EXPECT_EQ(conflict->foreground(1).color(), QColor(255, 0, 0));
  EXPECT_FALSE(conflict->icon(0).isNull());
  EXPECT_TRUE(row(*window, 2)->icon(0).isNull());
  EXPECT_EQ(part<QTreeWidget>(*window, "conflictTable")->currentItem(), conflict);
  // Selected, it keeps a red face rather than the selection's colour.
  window->show();
  QApplication::processEvents();
  const QRect rect = part<QTreeWidget>(*window, "conflictTable")->visualItemRect(conflict);
  const QImage shot = part<QTreeWidget>(*window, "conflictTable")->viewport()->grab().toImage();
  const QColor face = shot.pixelColor(rect.right() - 2, rect.center().y());
  EXPECT_GT(face.red(), face.blue() + 20) << face.name().toStdString();
  EXPECT_GT(face.red(), face.green() + 20) << face.name().toStdString();
  EXPECT_EQ(part<QLineEdit>(*window, QString("valueEdit%1").arg(0))->text(), "Doe John");
  EXPECT_EQ(part<QLineEdit>(*window, QString("valueEdit%1").arg(1))->text(), "Doe Jon");
}

TEST_F(PromptWindowTest, EachButtonAnswersItsIndex) {
  context.multipleValues = true;
  for (int index = 0; index < 5; ++index) {
    auto window = makeWindow();
    window->show();
    part<QCheckBox>(*window, "applyToAllCheckBox")->setChecked(index % 2 == 1 || index == 3);
    part<QPushButton>(*window, QString("choiceButton%1").arg(index))->click();
    EXPECT_EQ(window->decision().answer, ConflictChoice(index));
    // Keep Neither removes both contacts: never applied to the rest unseen.
    EXPECT_EQ(window->decision().applyToRemaining, index == 1) << index;
    EXPECT_FALSE(window->isVisible());
  }
  EXPECT_EQ(confirmations.size(), 1u);  // Keep Neither asked first
  // Keep Neither refused at its question leaves the window open; Keep Both Values is for a
  // field of several values only.
  confirmed = false;
  context.multipleValues = false;
  auto window = makeWindow();
  window->show();
  part<QPushButton>(*window, QString("choiceButton%1").arg(3))->click();
  EXPECT_TRUE(window->isVisible());
  EXPECT_FALSE(part<QPushButton>(*window, QString("choiceButton%1").arg(4))->isEnabled());
}

TEST_F(PromptWindowTest, StopCheckingKeepsBothAndEndsTheQuestions) {
  auto window = makeWindow();
  window->show();
  part<QPushButton>(*window, "stopCheckingButton")->click();
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
  window->editRow(row(*window, 0));
  ASSERT_EQ(prompts.size(), 1u);
  EXPECT_EQ(prompts[0], "Update Existing Data Field|Enter the value for the \"Name\" field here:");
  EXPECT_EQ(initials[0], "Doe;John");          // the box starts with the value to edit
  EXPECT_EQ(first.value("N"), "Doe;John;;;");  // applied by pass 2, after the answer
  EXPECT_EQ(window->decision().edits, (std::vector<FieldEdit>{{"N", "Doe;Jonathan"}}));
  EXPECT_EQ(row(*window, 0)->text(1), "Doe;Jonathan");
  EXPECT_EQ(row(*window, 0)->text(2), "Doe;Jonathan");
  EXPECT_EQ(part<QLineEdit>(*window, QString("valueEdit%1").arg(0))->text(),
            "Doe John");  // the boxes keep what they showed
}

TEST_F(PromptWindowTest, ACancelledOrEmptyEditChangesNothing) {
  auto window = makeWindow();
  typed = std::nullopt;
  window->editRow(row(*window, 2));
  typed = QString();
  window->editRow(row(*window, 2));
  EXPECT_EQ(prompts.size(), 2u);
  EXPECT_EQ(prompts[0],
            "Update Existing Data Field|Enter the value for the \"Mobile\" field here:");
  EXPECT_TRUE(window->decision().edits.empty());
  EXPECT_EQ(row(*window, 2)->text(1), "555");
}

TEST_F(PromptWindowTest, EachContactShowsInItsOwnEncodingAndRefusesWhatItCannotHold) {
  first.setValue("FN", "Jos\xC3\xA9");
  second.setValue("FN", "Jos\xE9");  // not UTF-8: this field is Windows-1252
  context.conflictTag = "FN";
  auto window = makeWindow();
  EXPECT_EQ(part<QLineEdit>(*window, QString("valueEdit%1").arg(0))->text(),
            QString::fromUtf8("Jos\xC3\xA9"));
  EXPECT_EQ(part<QLineEdit>(*window, QString("valueEdit%1").arg(1))->text(),
            QString::fromUtf8("Jos\xC3\xA9"));
  // A refused value stays in the box: the box asks again, starting from it.
  inputs = {QString::fromUtf8("Ren\xC3\xA9 \xCE\xA9 5")};
  typed = std::nullopt;
  window->editRow(row(*window, 1));
  ASSERT_EQ(initials.size(), 2u);
  EXPECT_EQ(initials[1], QString::fromUtf8("Ren\xC3\xA9 \xCE\xA9 5"));
  ASSERT_EQ(notices.size(), 1u);
  EXPECT_TRUE(notices[0].startsWith("Contact (7) keeps this field in Windows-1252"))
      << notices[0].toStdString();
  EXPECT_TRUE(window->decision().edits.empty());
  EXPECT_EQ(row(*window, 1)->text(2), QString::fromUtf8("Jos\xC3\xA9"));
  typed = QString::fromUtf8("Ren\xC3\xA9");
  window->editRow(row(*window, 1));
  EXPECT_EQ(window->decision().edits, (std::vector<FieldEdit>{{"FN", "Ren\xC3\xA9"}}));
}

// Whatever the window shows of real contacts (pictures, encodings, broken values), the contacts
// it was given are left exactly as they were, so the bytes written stay the bytes read.
TEST(PromptWindowCorpus, ShowingRealContactsChangesNoByte) {
  const auto files = testing::corpusFiles();
  PALVREN_REQUIRE_CORPUS(files);
  int shown = 0;
  for (const auto& file : files) {
    SCOPED_TRACE(file.string());
    ContactList list;
    ContactTable table(1);
    try {
      loadContacts(file.string(), list, table);
    } catch (const std::exception&) {
      continue;  // refused files are the corpus test's concern
    }
    const ContactTable before = table;
    for (int k = 1; k < int(table.size()); ++k) {
      const int other = k + 1 < int(table.size()) ? k + 1 : k;
      const std::string conflictTag(
          table[std::size_t(k)].orderCount() > 0 ? table[std::size_t(k)].tagAt(1) : "");
      PromptContext context{
          &table[std::size_t(k)], &table[std::size_t(other)], k, other, conflictTag, {}};
      ConflictWindow window(context, nullptr);
      // Every field of the first contact has its row, whatever the second holds.
      int fields = 0;
      for (const FieldLine& line : fieldLines(table[std::size_t(k)], MatchRule())) {
        fields += line.kind != FieldKind::Frame;
      }
      ASSERT_GE(part<QTreeWidget>(window, "conflictTable")->topLevelItemCount(), fields);
      part<QPushButton>(window, QString("choiceButton%1").arg(0))->click();
      EXPECT_TRUE(window.decision().edits.empty());
      ++shown;
    }
    for (std::size_t k = 1; k < table.size(); ++k) {
      EXPECT_EQ(table[k].tagOrder(), before[k].tagOrder()) << k;
      EXPECT_EQ(table[k].tagValues(), before[k].tagValues()) << k;
    }
  }
  EXPECT_GT(shown, 100);
}

}  // namespace
}  // namespace palvren

namespace palvren {
namespace {

TEST(ReviewWindowTest, AnUntickedMergeIsUndoneAndClosingKeepsWhatIsTicked) {
  const std::vector<MergeReview> merges = {
      {{Message::asIs("Merged, decided by you: A and B")}, false},
      {{Message::asIs("Both removed (Keep Neither): C and D")}, true}};
  ReviewWindow window(merges, nullptr);
  window.show();
  EXPECT_EQ(window.kept(), (std::vector<bool>{true, true}));
  window.findChild<QCheckBox*>("reviewBox1")->click();
  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(window.kept(), (std::vector<bool>{true, false}));
}

}  // namespace
}  // namespace palvren
