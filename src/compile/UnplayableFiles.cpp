#include "compile/UnplayableFiles.h"

#include "metadata/MPEGaudio.h"

std::vector<std::string> UnplayableFiles(const std::vector<std::string>& sources,
                                         platform::FileSystem& fs) {
  TMPEGaudio analyser(fs);
  std::vector<std::string> unplayable;
  for (const std::string& source : sources) {
    analyser.AnalyzeFile(source);
    if (!analyser.frame().found) unplayable.push_back(source);
  }
  return unplayable;
}
