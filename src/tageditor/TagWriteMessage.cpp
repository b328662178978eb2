#include "tageditor/TagWriteMessage.h"

std::string TagWriteReason(TagWriteResult result) {
  switch (result) {
    case TagWriteResult::Written:
      return "";
    case TagWriteResult::FileMissing:
      return "The file does not exist.";
    case TagWriteResult::FileUnreadable:
      return "The file cannot be read.";
    case TagWriteResult::TagTooLarge:
      return "The tag is too large.";
    case TagWriteResult::FolderNotWritable:
      return "Its folder is not writable.";
    case TagWriteResult::DiskFull:
      return "The disk is full.";
    case TagWriteResult::NotWritten:
      return "The new file could not be written.";
    case TagWriteResult::NotReplaced:
      return "The file could not be replaced.";
  }
  return "";
}

std::string TagWriteErrorText(const std::string& path, TagWriteResult result) {
  return "Cannot write the tag of file \"" + path + "\". " + TagWriteReason(result) +
         " The file is unchanged.";
}
