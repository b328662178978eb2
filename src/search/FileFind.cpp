#include "search/FileFind.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <utility>

#include "search/NameOrder.h"
#include "search/WildcardMatch.h"
#include "platform/PathParts.h"
#include "dialogs/UserDialogs.h"

namespace {

constexpr std::size_t kMaxSearchFileCharacters = 255;

// The text cut after `limit` UTF-8 characters, never inside one.
std::string CutCharacters(const std::string& text, std::size_t limit) {
  std::size_t characters = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const bool startsCharacter = (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80;
    if (startsCharacter && characters++ == limit) return text.substr(0, i);
  }
  return text;
}

// One spec per mask: the first is the text before the first ";", each further mask is put
// behind the folder part of the spec before it.
std::vector<std::string> SplitSpecs(const std::string& searchFile) {
  std::vector<std::string> specs;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = std::min(searchFile.find(';', start), searchFile.size());
    const std::string part = searchFile.substr(start, end - start);
    specs.push_back(specs.empty() ? part : FolderPart(specs.back()) + part);
    if (end == searchFile.size()) return specs;
    start = end + 1;
  }
}

// The entry of a folder in its parent's listing; an empty record when there is none (the
// root, a missing folder, a parent that cannot be read).
platform::DirEntry LookUpFolder(platform::FileSystem& fs, const std::string& folder) {
  std::string path = folder;
  if (!path.empty() && path.back() == '/') path.pop_back();
  const std::size_t slash = path.rfind('/');
  if (path.empty() || slash == std::string::npos) return {};
  const std::string name = path.substr(slash + 1);
  const std::string parent = slash == 0 ? "/" : path.substr(0, slash);
  std::vector<platform::DirEntry> entries;
  if (!fs.listDirectory(parent, entries)) return {};
  const auto found = std::ranges::find(entries, name, &platform::DirEntry::name);
  return found == entries.end() ? platform::DirEntry{} : *found;
}

}  // namespace

// One walk of the tree for one mask. Folders waiting to be walked are kept on an explicit
// stack, one frame per folder being walked, so the depth of the tree never deepens the call
// stack.
class TFileSearch::Walk {
 public:
  Walk(TFileSearch& search, std::string mask, std::set<std::string>& seen)
      : search_(search), mask_(std::move(mask)), seen_(seen) {}

  void run(const std::string& startFolder, const platform::DirEntry& record) {
    if (!markSeen(startFolder)) return;  // only where an earlier search was remembered
    enter(startFolder, record);
    while (!frames_.empty()) {
      Frame& top = frames_.back();
      if (search_.Stop || top.next == top.subfolders.size()) {
        frames_.pop_back();
        continue;
      }
      const platform::DirEntry entry = top.subfolders[top.next++];
      const std::string subfolder = top.folder + entry.name + "/";
      search_.pump();
      if (search_.Stop) continue;
      if (search_.CanEnterFolder && !search_.CanEnterFolder(subfolder)) continue;
      if (markSeen(subfolder)) enter(subfolder, entry);  // may add a frame: `top` is stale
    }
  }

 private:
  struct Frame {
    std::string folder;
    std::vector<platform::DirEntry> subfolders;
    std::size_t next = 0;
  };

  // Announces the folder, reports its own matches, and queues its subfolders.
  void enter(const std::string& folder, const platform::DirEntry& record) {
    if (search_.OnChangeFolder) search_.OnChangeFolder(folder, record);
    std::vector<platform::DirEntry> entries;
    search_.fs_.listDirectory(folder, entries);
    std::ranges::sort(entries, NameLess, &platform::DirEntry::name);
    // Events run after every entry looked at, matching or not, so Stop gets through a folder
    // of many files that do not match.
    for (const platform::DirEntry& entry : entries) {
      if (search_.Stop) return;
      if (MatchesMask(entry.name, mask_) && search_.OnFileFind) {
        search_.OnFileFind(folder, entry);
        search_.filesFound_.push_back(folder + entry.name);
      }
      search_.pump();
    }
    if (!search_.RecurseSubFolders || search_.Stop) return;
    Frame frame{folder, {}, 0};
    for (platform::DirEntry& entry : entries) {
      // A link to a folder is never followed: it may lead out of the tree or back into it.
      if (entry.kind == platform::EntryKind::Directory && !entry.isSymlink) {
        frame.subfolders.push_back(std::move(entry));
      }
    }
    if (!frame.subfolders.empty()) frames_.push_back(std::move(frame));
  }

  // False when the folder was entered before (a bind mount seen twice).
  bool markSeen(const std::string& folder) {
    const auto identity = search_.fs_.folderIdentity(folder);
    // Device and inode when known; otherwise the path, which no identity key looks like.
    const std::string key =
        identity ? std::to_string(identity->device) + ":" + std::to_string(identity->inode)
                 : folder;
    return seen_.insert(key).second;
  }

  TFileSearch& search_;
  const std::string mask_;
  std::vector<Frame> frames_;
  std::set<std::string>& seen_;
};

TFileSearch::TFileSearch(UserDialogs& dialogs, platform::FileSystem& fs)
    : TFileSearch([&dialogs] { dialogs.processEvents(); }, fs) {}

TFileSearch::TFileSearch(std::function<void()> pumpEvents, platform::FileSystem& fs)
    : fs_(fs), pumpEvents_(std::move(pumpEvents)) {}

void TFileSearch::SetSearchFile(const std::string& searchFile) {
  searchFile_ = CutCharacters(searchFile, kMaxSearchFileCharacters);
}

void TFileSearch::Execute() {
  // A handler that runs while events are let through must not start a second walk inside
  // this one; OnFinish runs after the walk and may start the next search.
  if (walking_) return;
  Stop = false;
  filesFound_.clear();
  {
    walking_ = true;
    struct WalkingMark {
      bool& walking;
      ~WalkingMark() { walking = false; }
    } mark{walking_};
    for (const std::string& spec : SplitSpecs(searchFile_)) runSpec(spec);
  }
  // A copy: the handler may assign a new OnFinish before it starts the next search.
  const TSearchFinishEvent finish = OnFinish;
  if (finish) finish(*this);
}

void TFileSearch::runSpec(const std::string& spec) {
  const std::string folder = FolderPart(spec);
  const std::string mask = spec.substr(folder.size());
  std::set<std::string> walkOnly;
  std::set<std::string>& seen = RememberFolders ? remembered_[mask] : walkOnly;
  Walk(*this, mask, seen).run(folder, LookUpFolder(fs_, folder));
}

void TFileSearch::pump() {
  if (pumpEvents_) pumpEvents_();
}
