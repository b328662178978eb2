#include "tracks/ColumnChooser.h"

#include <utility>

ColumnChooser::ColumnChooser(std::string label, std::vector<ColumnChoice> entries, FirstEntry first)
    : lbl1_(std::move(label)), entries_(std::move(entries)), first_(first) {
  FormShow();
}

bool ColumnChooser::isEntry(int index) const {
  return index >= 0 && index < static_cast<int>(entries_.size());
}

bool ColumnChooser::canCheck(int index) const {
  return isEntry(index) && (index > 0 || first_ == FirstEntry::Tickable);
}

std::vector<std::string> ColumnChooser::checkedNames() const {
  std::vector<std::string> names;
  for (const ColumnChoice& entry : entries_)
    if (entry.checked) names.push_back(entry.name);
  return names;
}

void ColumnChooser::FormShow() {
  selected_ = entries_.empty() ? -1 : 0;
  UpdateMoveButtons();
}

void ColumnChooser::lstColumnsClick(int index) {
  if (!isEntry(index)) return;
  selected_ = index;
  UpdateMoveButtons();
}

void ColumnChooser::lstColumnsClickCheck(int index, bool checked) {
  if (!canCheck(index)) return;
  entries_[static_cast<std::size_t>(index)].checked = checked;
  okEnabled_ = true;
}

void ColumnChooser::MoveSelectedColumn(int step) {
  const bool allowed = step < 0 ? upEnabled_ : downEnabled_;
  if (!allowed) return;
  std::swap(entries_[static_cast<std::size_t>(selected_)],
            entries_[static_cast<std::size_t>(selected_ + step)]);
  selected_ += step;
  okEnabled_ = true;
  UpdateMoveButtons();
}

void ColumnChooser::UpdateMoveButtons() {
  const int count = static_cast<int>(entries_.size());
  upEnabled_ = selected_ > 1;
  downEnabled_ = selected_ > 0 && selected_ < count - 1;
}
