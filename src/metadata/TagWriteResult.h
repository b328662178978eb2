#pragma once

// How writing a tag into a file ended; every result but Written left the file as it was.
enum class TagWriteResult {
  Written,
  FileMissing,        // no regular file of that name
  FileUnreadable,     // the file, or its old tag, could not be read
  TagTooLarge,        // the new tag does not fit a tag's size field, or the old one is too large
  FolderNotWritable,  // no new file could be created beside it
  DiskFull,           // writing stopped with less free space than the new file needs
  NotWritten,         // writing the new file failed for another reason
  NotReplaced,        // the new file could not take the old one's place
};
