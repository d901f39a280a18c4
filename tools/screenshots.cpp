// Renders the program's windows offscreen into PNG files, for the documentation.
#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QPixmap>
#include <QRadioButton>
#include <iostream>

#include "app/conflict_window.h"
#include "app/info_windows.h"
#include "app/main_window.h"
#include "redundancy/contact_model.h"
#include "redundancy/prompt_context.h"

namespace {

void save(QWidget& widget, const QString& folder, const QString& name) {
  widget.show();
  QApplication::processEvents();
  const QString path = folder + "/" + name;
  if (!widget.grab().save(path)) std::cerr << "cannot write " << path.toStdString() << "\n";
  widget.hide();
}

palvren::ContactRecord contact(std::initializer_list<std::pair<const char*, const char*>> lines) {
  palvren::ContactRecord record;
  for (const auto& [tag, value] : lines) {
    record.appendTag(tag);
    record.setValue(tag, value);
  }
  return record;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  const QString folder = argc > 1 ? argv[1] : "docs/screenshots";
  QDir().mkpath(folder);
  palvren::frmMain window;
  save(window, folder, "main_window.png");
  for (const char* name : {"chkRedundancyCheck", "optRedunActions1", "optNaming1"}) {
    window.findChild<QAbstractButton*>(name)->click();
  }
  save(window, folder, "main_window_redundancy.png");
  window.show();
  palvren::frmAbout about(&window);
  save(about, folder, "about.png");
  palvren::frmMore more(&window);
  save(more, folder, "redundancy_logic.png");
  auto first = contact({{"BEGIN", "VCARD"},
                        {"VERSION", "3.0"},
                        {"N", "Doe;John;;;"},
                        {"FN", "John Doe"},
                        {"TEL;TYPE=CELL", "+1 555 0100"},
                        {"EMAIL;TYPE=INTERNET", "john@example.org"},
                        {"END", "VCARD"}});
  auto second = contact({{"BEGIN", "VCARD"},
                         {"VERSION", "3.0"},
                         {"N", "Doe;Jon;;;"},
                         {"FN", "Jon Doe"},
                         {"EMAIL;TYPE=INTERNET", "john@example.org"},
                         {"END", "VCARD"}});
  palvren::PromptContext context{&first, &second, 3, 7, "N"};
  palvren::frmPrompt prompt(context, &window);
  save(prompt, folder, "conflict_window.png");
  return 0;
}
