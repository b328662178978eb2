#pragma once

#include <string>
#include <vector>

inline constexpr char kColumnsCaption[] = "Customize Columns";

// One entry of the chooser's check list: a column name, ticked when the column is wanted.
struct ColumnChoice {
  std::string name;
  bool checked = true;
  friend bool operator==(const ColumnChoice&, const ColumnChoice&) = default;
};

// Whether the person may tick and untick the first entry: never in the grids' chooser, where
// it is the column that always stays shown; always in the export's.
enum class FirstEntry { Fixed, Tickable };

// The column chooser TfrmColumns without widgets: the label lbl1, the check list lstColumns
// with its selected entry, and the states of Move Up, Move Down and OK. The dialog shows this
// state and forwards the person's gestures to it. The first entry never moves and nothing moves
// above it; OK is enabled by the first change (or by the caller at once).
class ColumnChooser {
 public:
  ColumnChooser(std::string label, std::vector<ColumnChoice> entries, FirstEntry first);

  const std::string& lbl1() const { return lbl1_; }
  const std::vector<ColumnChoice>& lstColumns() const { return entries_; }
  int selected() const { return selected_; }  // -1 while the list is empty
  bool btnUpEnabled() const { return upEnabled_; }
  bool btnDownEnabled() const { return downEnabled_; }
  bool btnOKEnabled() const { return okEnabled_; }
  // Whether the person can tick or untick entry index.
  bool canCheck(int index) const;
  // The ticked names, in list order.
  std::vector<std::string> checkedNames() const;

  void enableOK() { okEnabled_ = true; }
  // Selects the first entry and sets the move buttons.
  void FormShow();
  // The person selected entry index.
  void lstColumnsClick(int index);
  // The person ticked (checked) or unticked entry index; ignored where canCheck says no.
  void lstColumnsClickCheck(int index, bool checked);
  void btnUpClick() { MoveSelectedColumn(-1); }
  void btnDownClick() { MoveSelectedColumn(+1); }

 private:
  void MoveSelectedColumn(int step);
  void UpdateMoveButtons();
  bool isEntry(int index) const;

  std::string lbl1_;
  std::vector<ColumnChoice> entries_;
  FirstEntry first_;
  int selected_ = -1;
  bool upEnabled_ = false;
  bool downEnabled_ = false;
  bool okEnabled_ = false;
};
