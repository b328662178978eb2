#pragma once

#include <string>

#include "metadata/TagWriteResult.h"

// Why a tag could not be written, as one sentence; empty for Written.
std::string TagWriteReason(TagWriteResult result);

// The error a person sees when the tag of path could not be written: the file, the reason, and
// that the file is as it was.
std::string TagWriteErrorText(const std::string& path, TagWriteResult result);
