#pragma once

#include <QDialog>
#include <vector>

#include "redundancy/prompt_context.h"

class QCheckBox;

namespace palvren {

// The merges of pass 2, reviewed before anything is written: each merge (a chain of them as
// one) and each Keep Neither removal with a box; an unticked one is undone, its contacts
// written as they were.
class ReviewWindow : public QDialog {
  Q_OBJECT
 public:
  ReviewWindow(const std::vector<MergeReview>& merges, QWidget* parent);

  // One answer per merge: true to keep it.
  std::vector<bool> kept() const;

 private:
  std::vector<QCheckBox*> boxes_;
};

// Shows the review modally and returns what was kept (everything, when it was closed).
std::vector<bool> showMergeReview(const std::vector<MergeReview>& merges, QWidget* parent);

}  // namespace palvren
