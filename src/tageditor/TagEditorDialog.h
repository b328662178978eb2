#pragma once

#include <optional>

#include "tageditor/TagEditorView.h"

// The tag editor TfrmID3Tag as the shell shows it, modal. Returns the six texts as the person
// left them when they pressed Update; nothing for Cancel or the close box.
class TagEditorDialog {
 public:
  virtual ~TagEditorDialog() = default;
  virtual std::optional<TagTexts> showTagEditor(const TagEditorView& view) = 0;
};
