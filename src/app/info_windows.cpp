#include "app/info_windows.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>

#include "app/artwork.h"
#include "platform/version.h"

namespace palvren {

namespace {

constexpr int kTwipsPerPixel = 15;
QString infoText(const char* source) {
  return QCoreApplication::translate("palvren::InfoWindows", source);
}

QRect twips(int left, int top, int width, int height) {
  return QRect(left / kTwipsPerPixel, top / kTwipsPerPixel, width / kTwipsPerPixel,
               height / kTwipsPerPixel);
}

const char* const kAboutText = QT_TRANSLATE_NOOP("palvren::InfoWindows", R"(
<div style="font-family: Calibri, Carlito, sans-serif; font-size: 10pt;">
<p>Many phones and address books export all of their contacts as one vCard file that holds
several contacts, yet much software expects one contact per file and cannot import such a file.
Palvren bridges the two, and keeps your address book tidy while it does so:</p>
<ul>
<li>Split one multiple-contact vCard file into single-contact files, named from the contact
information or numbered sequentially.</li>
<li>Merge several multiple-contact files into one, so that the redundancy check can run over all
of them at once.</li>
<li>The contact card cleaner, which removes repeated tag data within each contact.</li>
<li>The redundancy check, which removes identical contacts.</li>
<li>The contact merging routine, which merges similar contacts or asks you for the right
data.</li>
<li>Recombine single-contact files into one large multiple-contact file.</li>
<li>The CSV export, which shows every field present in a multiple-contact file.</li>
</ul>
<p>Questions, ideas or trouble? Write to us at the e-mail address shown above.</p>
</div>)");

const char* const kRedundancyText = QT_TRANSLATE_NOOP("palvren::InfoWindows", R"(
<div style="font-family: Calibri, Carlito, sans-serif; font-size: 10pt;">
<p>The redundancy checking operation is complex and broken down into specific logic segments per
the details indicated here.</p>
<p><b><u>Any Redundancy Check</u></b></p>
<p style="margin-left: 48px; text-indent: -24px;">Contact Cleaner:  The cleaner goes through every
contact card and removes redundant data for a tag.  A contact may have several tags of one kind
(home phone, work phone, home address, work address), but never more than one entry of any one
type.</p>
<p><b><u>PASS 1 Redundancy Check</u></b></p>
<ol type="1" style="margin-left: 24px;">
<li>Run the contact cleaner first, for better data integrity.</li>
<li>Compare every contact with every other contact looking for identical matches.  Identical
means:
<ol type="a" style="margin-left: 24px;">
<li>the same number of tags,</li>
<li>the same tag identifiers,</li>
<li>the same data stored for each tag.</li>
</ol></li>
</ol>
<p><b><u>PASS 2 Redundancy Check</u></b></p>
<ol type="1" style="margin-left: 24px;">
<li>Run pass 1, which includes the contact cleaner.</li>
<li>Compare every contact with every other contact looking for a similarity <b>HIT</b>, which is
any of:
<ol type="a" style="margin-left: 24px;">
<li>two contacts with an identical, valid e-mail address for the same tag (valid meaning that the
data holds a name, the "@" character and a domain with a dot, as in ann@example.org);</li>
<li>two contacts with identical telephone numbers for the same tag, where
<ol type="i" style="margin-left: 24px;"><li>a name HIT must also exist, that is identical NAME
or FORMATTED NAME fields (an empty name is no name);</li></ol></li>
<li>two contacts with identical address fields for the same tag, where
<ol type="i" style="margin-left: 24px;"><li>a name HIT must also exist, as above.</li></ol></li>
</ol></li>
</ol>
<p>Wherever two similar contacts hold different data in the same field, you are asked which value
to keep (or both, for a field that holds several, such as e-mails), whether the two are different
people after all, or whether neither is worth keeping. A field two programs write differently is
one field, and two contacts of two vCard versions become one contact of the higher version.
Before anything is written, a review lists every merge; untick one to keep its contacts as they
were.</p>
</div>)");

// Said after the exact rule when Options › Tolerant Matching is on.
const char* const kTolerantText = QT_TRANSLATE_NOOP("palvren::InfoWindows", R"(
<div style="font-family: Calibri, Carlito, sans-serif; font-size: 10pt;">
<p><b><u>Tolerant Matching (in force)</u></b></p>
<p>Pass 2 compares fields by their name alone, whatever their type or group, and compares values
as a person reads them:</p>
<ol type="a" style="margin-left: 24px;">
<li>e-mail addresses without case, spaces or "mailto:";</li>
<li>telephone numbers as the international number they stand for (0044 as +44, an extension
kept apart%1); a number that cannot be read that way is compared by its digits and letters,
when it has at least seven digits;</li>
<li>addresses without case or extra spaces;</li>
<li>names without case, accents, punctuation or "Last, First" order. When both contacts have a
formatted name, those decide; the name's parts decide only when one of them has none, and a
family name alone never matches.</li>
</ol>
</div>)");

QPushButton* addOkButton(QDialog* dialog) {
  auto* button =
      new QPushButton(infoText(QT_TRANSLATE_NOOP("palvren::InfoWindows", "&OK")), dialog);
  button->setObjectName("okButton");
  button->setGeometry(twips(4148, 6240, 1215, 495));
  button->setDefault(true);
  button->setAutoDefault(true);
  return button;
}

QTextBrowser* richText(QDialog* dialog, const QRect& geometry, const char* html) {
  auto* box = new QTextBrowser(dialog);
  box->setObjectName("textView");
  box->setGeometry(geometry);
  box->setHtml(infoText(html));
  box->setOpenLinks(false);
  box->setFocusPolicy(Qt::NoFocus);
  return box;
}

void setUpWindow(QDialog* dialog, const QString& caption) {
  dialog->setWindowTitle(caption);
  dialog->setWindowIcon(applicationIcon());
  dialog->setFixedSize(9510 / kTwipsPerPixel, 6780 / kTwipsPerPixel);
  dialog->setModal(true);
  dialog->setAttribute(Qt::WA_DeleteOnClose, false);
}

}  // namespace

QString versionText() {
  return QCoreApplication::translate("palvren::InfoWindows", "Version %1.%2.%3")
      .arg(kVersionMajor)
      .arg(kVersionMinor)
      .arg(kVersionRevision);
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
  setObjectName("AboutWindow");
  setUpWindow(this, tr("About Palvren"));
  auto* image = new QLabel(this);
  image->setObjectName("logoLabel");
  image->setPixmap(logoPicture());
  image->setGeometry(twips(0, 0, 1515, 1125));
  auto* publisher = new QLabel(kPublisherName, this);
  publisher->setObjectName("publisherLabel");
  publisher->setFont(QFont("Arial", 12));
  publisher->setGeometry(twips(1800, 480, 3630, 345).adjusted(0, -4, 40, 4));
  auto* header = new QListWidget(this);
  header->setObjectName("headerList");
  header->addItems({kPublisherName, kPublisherWeb, kSupportEmail});
  QFont small = header->font();
  small.setPointSizeF(8);
  header->setFont(small);
  header->setFrameShape(QFrame::NoFrame);
  header->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  header->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  header->setStyleSheet("QListWidget { background: transparent; }");
  header->setGeometry(2900 / kTwipsPerPixel, 1230 / kTwipsPerPixel, 4200 / kTwipsPerPixel, 56);
  header->setFocusPolicy(Qt::NoFocus);
  versionLabel = new QLabel(this);
  versionLabel->setObjectName("versionLabel");
  QFont bold = versionLabel->font();
  bold.setBold(true);
  versionLabel->setFont(bold);
  versionLabel->setGeometry(twips(7440, 120, 1935, 255).adjusted(-20, 0, 0, 6));
  versionLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  auto* line = new QFrame(this);
  line->setFrameShape(QFrame::HLine);
  line->setGeometry(120 / kTwipsPerPixel, 1200 / kTwipsPerPixel, (9360 - 120) / kTwipsPerPixel, 2);
  textView = richText(this, twips(120, 2040, 9135, 4095), kAboutText);
  okButton = addOkButton(this);
  connect(okButton, &QPushButton::clicked, this, &AboutWindow::onOkClicked);
  load();
}

void AboutWindow::load() { versionLabel->setText(versionText()); }

void AboutWindow::onOkClicked() { accept(); }

MoreWindow::MoreWindow(QWidget* parent, const MatchRule& rule) : QDialog(parent) {
  setObjectName("MoreWindow");
  setUpWindow(this, tr("Redundancy Operation Logic Explanation"));
  textView = richText(this, twips(180, 240, 9135, 5895), kRedundancyText);
  if (rule.tolerant) {
    const QString national = rule.countryCode.empty()
                                 ? QString()
                                 : tr("; a national number is read as one of +%1")
                                       .arg(QString::fromStdString(rule.countryCode));
    textView->append(infoText(kTolerantText).arg(national));
  }
  okButton = addOkButton(this);
  connect(okButton, &QPushButton::clicked, this, &MoreWindow::onOkClicked);
}

void MoreWindow::onOkClicked() { accept(); }

}  // namespace palvren
