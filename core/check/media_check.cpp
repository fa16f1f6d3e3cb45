// The walk of setup.cfg as the setup program runs it: the disk sections in
// order ("Setup Disk1", "Setup Disk2", ... until the first one missing),
// the sections they run, and the Software section; each line parsed and
// token-replaced as the setup does, then checked for what its kind needs.
#include "core/check/media_check.h"

#include <algorithm>
#include <map>
#include <set>
#include <cctype>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/check/ini_text.h"
#include "core/check/install_plan.h"
#include "core/check/media_files.h"
#include "core/config/instruction.h"
#include "core/config/instruction_args.h"
#include "core/config/message_instruction.h"
#include "core/config/reg_rewrite.h"
#include "core/config/software_list.h"
#include "core/config/token_replace.h"

namespace {

const char kCfg[] = "setup.cfg";
constexpr int kMaxSectionDepth = 32;

// Stand-ins for the directories the setup computes on the user's machine;
// {SRC_DIR} marks a path on the media.
const char kStandInRoot[] = "C:\\TARGET\\";
void SetStandInTokens(TokenTable& tokens) {
  for (const char* name : {tok::MAIN_DIR, tok::SETUP_CFG, tok::SETUP_EXE, tok::RUN_DIR, tok::ACCESS_DIR,
                           tok::WINDOWS, tok::SYSTEM, tok::TEMP, tok::HOMEPAGE, tok::SCREEN_USER_NAME,
                           tok::TRUE_USER_NAME, tok::STARTUP, tok::DESKTOP, tok::PROGRAMS, tok::START_MENU,
                           tok::FAVORITES})
    tokens.Set(name, kStandInRoot + std::string(name + 1, std::strlen(name) - 2));
  tokens.Set(tok::SRC_DIR, kMediaRoot);
}

// A stand-in path as setup.cfg would write it: C:\TARGET\MAIN_DIR\bin is
// {MAIN_DIR}\bin.
std::string AsWritten(const std::string& path) {
  if (path.compare(0, std::strlen(kMediaRoot), kMediaRoot) == 0)
    return "{SRC_DIR}" + path.substr(std::strlen(kMediaRoot));
  const size_t root = std::strlen(kStandInRoot);
  if (path.compare(0, root, kStandInRoot) != 0) return path;
  const size_t end = path.find('\\', root);
  return "{" + path.substr(root, end - root) + "}" + (end == std::string::npos ? std::string() : path.substr(end));
}

// The tokens of a planned installation: a first run on Windows 95 from
// the media, the caller's values over them.
void SetPlanTokens(TokenTable& tokens, const std::string& mainDir, const std::map<std::string, std::string>& over) {
  SetWindows95Tokens(tokens, mainDir);
  tokens.Set(tok::SRC_DIR, kMediaRoot);
  tokens.Set(tok::RUN_DIR, kMediaRoot);
  tokens.Set(tok::SETUP_EXE, kMediaRoot + std::string("\\setup.exe"));
  tokens.Set(tok::SETUP_CFG, kMediaRoot + std::string("\\setup.cfg"));
  for (const auto& t : over) tokens.Set(t.first, t.second);
}

class Walker {
 public:
  // With `needs`, the walk lists the files the lines name instead of
  // checking them; with `plan`, it lists what the installation puts where
  // (its tokens set by the caller: SetPlanTokens).
  Walker(const MediaView& media, const IniText& cfg, std::vector<Finding>& out,
         std::vector<MediaNeed>* needs = nullptr, InstallPlan* plan = nullptr)
      : media_(media), cfg_(cfg), out_(out), needs_(needs), plan_(plan) {
    SetStandInTokens(tokens_);
  }
  TokenTable& tokens() { return tokens_; }

  void Disks() {
    int n = 1;
    for (;; ++n) {
      const IniSection* s = cfg_.Find("Setup Disk" + std::to_string(n));
      if (!s) break;
      disk_ = std::min(n, media_.DiskCount());
      if (IsFloppySet(media_) && n > media_.DiskCount())
        Add(s->line, Severity::kError,
            "[" + s->name + "] runs from disk " + std::to_string(n) + ", but the set has " +
                std::to_string(media_.DiskCount()) + (media_.DiskCount() == 1 ? " disk" : " disks") +
                ": the setup would ask for a disk that does not exist (more disks, or fewer disk sections)");
      if (s->lines.empty()) Add(s->line, Severity::kWarning, "section [" + s->name + "] is empty");
      Run(*s, 0);
    }
    if (n == 1) Add(0, Severity::kError, "no [Setup Disk1] section: the setup installs nothing");
    // The setup reads setup.ini from the drive after the last disk section
    // and asks for no disk after it but the Software section's.
    const int sections = n - 1;
    if (!needs_ && !plan_ && sections > 0 && IsFloppySet(media_) && media_.DiskCount() > sections)
      Add(0, Severity::kError,
          "the set has " + std::to_string(media_.DiskCount()) + " disks, but setup.cfg has " +
              std::to_string(sections) + " disk section" + (sections == 1 ? "" : "s") +
              ": the setup reads setup.ini from disk " + std::to_string(sections) +
              ", after its last disk section, so the last disk's setup.ini is never read (as many disks as disk "
              "sections: Disks= in vtmedia.ini)");
    // A disk section after a gap is never run.
    for (const IniSection& s : cfg_.sections()) {
      int k = 0;
      char rest = 0;
      if (std::sscanf(s.name.c_str(), "Setup Disk%d%c", &k, &rest) == 1 && k > n &&
          SameNameIgnoringCase(s.name, "Setup Disk" + std::to_string(k)))  // misspelt ones are errors of their own
        Add(s.line, Severity::kWarning,
            "[" + s.name + "] is never run: the disk sections stop at the missing [Setup Disk" +
                std::to_string(n) + "]");
    }
  }

  void Software(int softwareDisk, int softwareDiskLine) {
    const IniSection* s = cfg_.Find("Software");
    if (!s) return;
    if (!needs_ && IsFloppySet(media_) && softwareDisk > media_.DiskCount())
      Add(softwareDiskLine, Severity::kError,
          "SoftwareDisk=" + std::to_string(softwareDisk) + ", but the set has " + std::to_string(media_.DiskCount()) +
              (media_.DiskCount() == 1 ? " disk" : " disks") + ": the setup would ask for a disk that does not exist");
    disk_ = softwareDisk > 0 ? std::min(softwareDisk, media_.DiskCount()) : media_.DiskCount();
    software_ = true;
    for (const IniLine& l : s->lines) {
      const MarkedSoftwareLine m = TakeSoftwareMarker(l.text, false);
      std::string key, arguments;
      const int kind = SplitCfgInstruction(m.line, key, arguments);
      if (kind != VTCFG_EXECUTE && kind != VTCFG_SECTION) {
        Add(l.line, Severity::kError,
            "Illigal instruction " + m.line + " in setup.cfg: the Software section runs programs (4) and sections (6)");
        continue;
      }
      if (kind == VTCFG_SECTION) OfferedFolder(l, SectionNameOf(key, arguments));
      picked_ = m.state == SW_SELECTED || m.state == SW_ALWAYS;
      Line({m.line, l.line}, 0);
    }
  }

 private:
  void Add(int line, Severity severity, const std::string& text) { out_.push_back({kCfg, line, severity, text}); }
  void Illegal(const IniLine& l, const std::string& why) {
    Add(l.line, Severity::kError, "Illigal entry \"" + l.text + "\" in SETUP.CFG: " + why);
  }

  // A Software item that runs a section is offered only when a folder of
  // the section's name is beside setup.exe.
  void OfferedFolder(const IniLine& l, const std::string& name) {
    if (needs_ || media_.HasFolder(disk_, name)) return;
    Add(l.line, Severity::kWarning,
        "the Software item " + name + " is never offered: no folder " + name + " beside setup.exe" +
            (media_.DiskCount() > 1 ? " on disk " + std::to_string(disk_) : std::string()));
  }

  void Run(const IniSection& section, int depth) {
    for (const IniLine& l : section.lines) Line(l, depth);
  }

  void Line(const IniLine& l, int depth) {
    std::string key, arguments;
    const int kind = SplitCfgInstruction(l.text, key, arguments);
    if (kind == -1) return Illegal(l, "it is not KEY=KIND,ARGUMENTS");
    const std::string afterKind = AfterKindNumber(l.text);
    if (!afterKind.empty() && afterKind[0] != ',')
      return Illegal(l, "the kind's number must be followed by a comma: the setup reads the fields from the first "
                        "comma on, so it would read \"" + arguments + "\" here");
    if (arguments.find("{USER_DIR}") != std::string::npos && !userDir_)
      return Illegal(l, "{USER_DIR} is used before any user-path line (8) can have set it");
    const std::string written = arguments;
    if (!CfgInstructReplaceTokens(arguments, tokens_)) return Illegal(l, TokenProblem(written));
    if (kind < kVTCfgFirstKind || kind > kVTCfgLastKind)
      return Illegal(l, "kind " + std::to_string(kind) + " is not one of 1 to 10");
    switch (kind) {
      case VTCFG_COPY: {
        const CopyArgs a = SplitCopyArgs(key, arguments);
        if (!a.hasComma) return Illegal(l, "a copy needs its source directory field (KEY=1,SOURCE,DEST)");
        if (!DestinationFits(l, a.destDir)) return;
        Installs(a.destDir, a.destName);
        if (plan_) PlanCopy(l, a, key);
        return NeedFile(l, a.sourceDir, key, FileUse::kPlain);
      }
      case VTCFG_EXTRACT: {
        const ExtractArgs a = SplitExtractArgs(arguments);
        if (!a.hasComma) return Illegal(l, "an extract needs its source directory field (KEY=2,SOURCE,DEST)");
        if (!DestinationFits(l, a.destDir)) return;
        std::string path;
        std::vector<uint8_t> bytes;
        if (!needs_ && MediaPathOf(a.sourceDir, key, &path) && media_.Read(disk_, path, &bytes))
          for (const ArchiveFile& entry : ArchiveFiles(bytes, plan_ != nullptr)) {
            Installs(a.destDir, entry.name);
            if (plan_) Plan(l, PlanItem::kFile, Joined(a.destDir, entry.name), std::string(), entry.size);
          }
        return NeedFile(l, a.sourceDir, key, FileUse::kArchive);
      }
      case VTCFG_REGIMPORT:
        if (plan_) PlanRegistry(l, arguments, key);
        NeedFile(l, arguments, key, FileUse::kRegistry);
        return RegistryTokens(l, arguments, key);
      case VTCFG_EXECUTE: {
        ranInstaller_ = true;
        const ExecuteArgs a = SplitExecuteArgs(arguments);
        if (a.commandLine.empty()) return Illegal(l, "a program line needs its flag and command line (KEY=4,0PROGRAM)");
        if (a.restartFlag < '0' || a.restartFlag > '9')
          return Illegal(l, "the first character of a program line is its restart flag, 0 to 9");
        if (plan_) Plan(l, PlanItem::kProgram, a.commandLine);
        // Text after the first blank that is no option nor quoted looks
        // like the rest of a path with a blank in it.
        const size_t blank = a.commandLine.find_first_of(" \t");
        const size_t next = blank == std::string::npos ? blank : a.commandLine.find_first_not_of(" \t", blank);
        const bool pathGoesOn = next != std::string::npos && !std::strchr("/-\"", a.commandLine[next]);
        return NeedFile(l, a.programDir, a.programFile, FileUse::kPlain,
                        !pathGoesOn ? std::string()
                            : ": the program's path ends at the first blank of the command line, so \"" +
                                  AsWritten(a.commandLine.substr(0, blank)) + "\" is the program and the rest its "
                                  "arguments (a program path cannot hold a blank: rename the folder or file)");
      }
      case VTCFG_SHORTCUT: {
        const ShortcutArgs a = SplitShortcutArgs(key, arguments);
        if (!a.valid) return Illegal(l, "a shortcut needs NAME,PROGRAM_DIR,FOLDER (KEY=5,NAME,DIR,FOLDER)");
        if (plan_) Plan(l, PlanItem::kShortcut, Joined(a.folder, a.name + ".lnk"), Joined(a.programDir, a.program));
        return ShortcutTarget(l, a);
      }
      case VTCFG_SECTION: return Section(l, SectionNameOf(key, arguments), depth);
      case VTCFG_USERPATH: {
        const UserPathArgs a = SplitUserPathArgs(arguments);
        if (a.shape != UserPathArgs::kOk) return Illegal(l, "a user path needs TITLE,DEFAULT,TEXT");
        userDir_ = true;
        tokens_.Set(tok::USER_DIR, a.defaultDir);
        return;
      }
      case VTCFG_MESSAGE: {
        const std::string problem = MessageInstructionProblem(arguments);
        if (!problem.empty()) Illegal(l, problem);
        return;
      }
      case VTCFG_DELETE: {
        // What an earlier line installed there is gone again.
        const std::string gone = Placed(arguments, key);
        installed_.erase(gone);
        if (plan_)
          plan_->items.erase(std::remove_if(plan_->items.begin(), plan_->items.end(),
                                            [&](const PlanItem& i) {
                                              return i.kind == PlanItem::kFile && Upper(i.path) == gone;
                                            }),
                             plan_->items.end());
        return;
      }
      case VTCFG_CREATEDIR:
        // The setup creates the folder the fields name; with none it fails.
        if (TrimBlanks(arguments).empty()) return Illegal(l, "no directory to create (KEY=9,FOLDER)");
        if (DestinationFits(l, arguments) && plan_) Plan(l, PlanItem::kFolder, Joined(arguments, ""));
        return;
      default: return;
    }
  }

  // Where a file goes: DIR (empty: {MAIN_DIR}) and NAME, one backslash
  // between the parts (none at the end when NAME is empty).
  std::string Joined(const std::string& dir, const std::string& name) const {
    std::string path = TrimBlanks(dir).empty() ? tokens_.Get(tok::MAIN_DIR) : TrimBlanks(dir);
    if (!name.empty()) path += "\\" + TrimBlanks(name);
    std::string out;
    for (char c : path) {
      if (c == '/') c = '\\';
      if (c == '\\' && !out.empty() && out.back() == '\\') continue;
      out += c;
    }
    while (out.size() > 3 && out.back() == '\\') out.pop_back();
    return out;
  }
  // The same in capitals, the way Windows compares paths.
  std::string Placed(const std::string& dir, const std::string& name) const {
    std::string out = Joined(dir, name);
    if (name.empty() && (out.empty() || out.back() != '\\')) out += '\\';
    return Upper(out);
  }
  static std::string Upper(std::string s) {
    for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return s;
  }

  // An item of the line `l`, with its disk and Software marks.
  PlanItem ItemOf(const IniLine& l) const {
    PlanItem item;
    item.disk = disk_;
    item.line = l.line;
    item.software = software_;
    item.picked = software_ && picked_;
    return item;
  }
  void Plan(const IniLine& l, PlanItem::Kind kind, const std::string& path, const std::string& detail = "",
            uint64_t size = 0) {
    PlanItem item = ItemOf(l);
    item.kind = kind;
    item.path = path;
    item.detail = detail;
    item.size = size;
    plan_->items.push_back(item);
  }
  void PlanCopy(const IniLine& l, const CopyArgs& a, const std::string& key) {
    std::string path;
    std::vector<uint8_t> bytes;
    if (MediaPathOf(a.sourceDir, TrimBlanks(key), &path)) media_.Read(disk_, path, &bytes);
    Plan(l, PlanItem::kFile, Joined(a.destDir, a.destName), std::string(), bytes.size());
  }
  // The values the registry file adds, its tokens filled in as the setup
  // fills them.
  void PlanRegistry(const IniLine& l, const std::string& dir, const std::string& name) {
    std::string path;
    std::vector<uint8_t> bytes;
    if (!MediaPathOf(dir, TrimBlanks(name), &path) || !media_.Read(disk_, path, &bytes)) return;
    const std::string text = RewriteRegFile(std::string(bytes.begin(), bytes.end()), tokens_.Snapshot());
    PlanRegistryValues(text, ItemOf(l), *plan_);
  }
  void Installs(const std::string& dir, const std::string& name) { installed_.insert(Placed(dir, name)); }

  // A shortcut to a program in the installation's own folder must follow
  // the line that installs it: the setup fails the line, and stops, when
  // the program is not there. (A program elsewhere on the user's machine
  // is not the media's to check.)
  void ShortcutTarget(const IniLine& l, const ShortcutArgs& a) {
    if (needs_) return;
    const std::string target = Placed(a.programDir, a.program);
    const std::string main = Placed(tokens_.Get(tok::MAIN_DIR), "");
    if (target.compare(0, main.size(), main) != 0 || installed_.count(target)) return;
    const std::string shown = a.program + " in " + AsWritten(TrimBlanks(a.programDir).empty()
                                                                 ? tokens_.Get(tok::MAIN_DIR)
                                                                 : TrimBlanks(a.programDir));
    if (ranInstaller_)
      Add(l.line, Severity::kWarning,
          "the shortcut's program " + shown + " is installed by no earlier line; unless an installer run "
          "before it puts it there, the setup stops at this line");
    else
      Add(l.line, Severity::kError,
          "the shortcut's program " + shown + " is installed by no earlier line: the setup stops at this line "
          "(a misspelt name?)");
  }

  // Why the setup cannot replace the tokens of `text`: the first brace
  // without its partner, or the first name it does not know.
  std::string TokenProblem(const std::string& text) const {
    size_t at = 0;
    for (;;) {
      const size_t open = text.find('{', at);
      const size_t close = text.find('}', at);
      if (open == std::string::npos && close == std::string::npos) break;
      if (open == std::string::npos || close < open) return "an unknown token or unbalanced braces: a '}' with no '{' before it";
      if (close == std::string::npos) return "an unknown token or unbalanced braces: a '{' with no '}' after it";
      std::string name = text.substr(open, close - open + 1), value;
      for (char& c : name) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
      if (!tokens_.Lookup(name, value))
        return "an unknown token, " + text.substr(open, close - open + 1) + " (the guide lists the tokens)";
      at = close + 1;
    }
    return "a token that expands without end";
  }

  // A registry file's tokens are filled in only when written exactly as
  // the setup names them (capitals): others stay in the registry as text.
  void RegistryTokens(const IniLine& l, const std::string& dir, const std::string& name) {
    std::string path;
    std::vector<uint8_t> bytes;
    if (needs_ || !MediaPathOf(dir, name, &path) || !media_.Read(disk_, path, &bytes)) return;
    const std::string text(bytes.begin(), bytes.end());
    const std::map<std::string, std::string> known = tokens_.Snapshot();
    std::set<std::string> told;
    for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
      const size_t close = text.find_first_of("{}\r\n", open + 1);
      if (close == std::string::npos || text[close] != '}' || close - open > 40) continue;
      const std::string token = text.substr(open, close - open + 1);
      // Only what looks like a token: letters, digits and '_' (a class id
      // such as {21EC2020-3AEA-...} is the registry's own).
      const std::string inner = token.substr(1, token.size() - 2);
      const bool word = !inner.empty() && inner.find_first_not_of(
                            "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789_") == std::string::npos &&
                        inner.find_first_of("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz") != std::string::npos;
      if (!word || known.count(token) || !told.insert(token).second) continue;
      Add(l.line, Severity::kWarning,
          "registry file " + path + " holds " + token + ", which the setup does not fill in (tokens are written "
          "exactly, in capitals: {MAIN_DIR}); it goes into the registry as it stands");
    }
  }

  // The text after the kind's number, blanks skipped ("" at the end).
  static std::string AfterKindNumber(const std::string& text) {
    size_t i = text.find('=') + 1;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') ++i;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    return text.substr(i);
  }

  // A destination the setup can create: no control characters (a tab
  // typed into the field, say), none of the characters Windows refuses in
  // names, and a colon only after a drive letter. False after an error.
  bool DestinationFits(const IniLine& l, const std::string& field) {
    std::string dir = field;
    if (dir.compare(0, std::strlen(kMediaRoot), kMediaRoot) == 0) dir = "X:" + dir.substr(std::strlen(kMediaRoot));
    for (size_t i = 0; i < dir.size(); ++i) {
      const unsigned char c = static_cast<unsigned char>(dir[i]);
      const char* why = nullptr;
      if (c < 0x20) why = "a control character (a tab?)";
      else if (std::strchr("<>\"|?*", c)) why = "a character Windows refuses in names";
      else if (c == ':' && i != 1) why = "a colon that is not a drive's";
      if (why) {
        Illegal(l, std::string("the destination \"") + field + "\" holds " + why + ": the setup cannot create it");
        return false;
      }
    }
    return true;
  }

  void Section(const IniLine& l, const std::string& name, int depth) {
    const IniSection* s = cfg_.Find(name);
    if (!s || s->lines.empty())
      return Illegal(l, "section [" + name + "] " + (s ? "is empty" : "does not exist"));
    if (std::find(running_.begin(), running_.end(), s) != running_.end() || depth >= kMaxSectionDepth)
      return Add(l.line, Severity::kError, "section [" + name + "] runs itself (through this line)");
    running_.push_back(s);
    Run(*s, depth + 1);
    running_.pop_back();
  }

  // The file the line reads from the media; `hint` follows the message
  // when it is missing.
  void NeedFile(const IniLine& l, const std::string& dir, const std::string& name, FileUse use,
                const std::string& hint = std::string()) {
    if (needs_) {
      std::string path;
      if (MediaPathOf(dir, name, &path)) needs_->push_back({disk_, path, l.line});
      return;
    }
    if (plan_) return;
    std::string problem;
    if (!CheckMediaFile(media_, disk_, dir, name, use, &problem))
      Add(l.line, Severity::kError, problem + hint);
  }

  const MediaView& media_;
  const IniText& cfg_;
  std::vector<Finding>& out_;
  std::vector<MediaNeed>* needs_;
  InstallPlan* plan_;
  TokenTable tokens_;
  bool software_ = false;               // in the Software section
  bool picked_ = false;                 // of a Software item offered as picked
  int disk_ = 1;
  bool userDir_ = false;
  bool ranInstaller_ = false;           // a program line came first: it may install anything
  std::set<std::string> installed_;     // what earlier lines put where (Placed)
  std::vector<const IniSection*> running_;
};

void Number(const IniText& cfg, const char* section, const char* key, std::vector<Finding>& out, int* value,
            int* at = nullptr) {
  std::string text;
  int line = 0;
  if (!cfg.Value(section, key, &text, &line)) return;
  if (at) *at = line;
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end != '\0')
    out.push_back({kCfg, line, Severity::kError, std::string(key) + "=" + text + " is not a number"});
  else if (value)
    *value = static_cast<int>(v);
}

// Sections the setup never reads as meant: a second one of a name (only
// the first is read) and a disk section misspelt ("Setup Disk 2").
void SectionNames(const IniText& cfg, std::vector<Finding>& out) {
  const std::vector<IniSection>& sections = cfg.sections();
  for (size_t i = 0; i < sections.size(); ++i) {
    const IniSection& s = sections[i];
    for (size_t j = 0; j < i; ++j)
      if (SameNameIgnoringCase(sections[j].name, s.name)) {
        out.push_back({kCfg, s.line, Severity::kError,
                       "[" + s.name + "] comes a second time (first on line " + std::to_string(sections[j].line) +
                           "): the setup reads only the first, so these lines are never read"});
        break;
      }
    std::string squeezed;
    for (char c : s.name)
      if (c != ' ' && c != '\t') squeezed += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    if (squeezed.compare(0, 9, "setupdisk") != 0) continue;
    const std::string number = squeezed.substr(9);
    const bool digits = !number.empty() && number.find_first_not_of("0123456789") == std::string::npos;
    const bool runs = SameNameIgnoringCase(s.name, "Setup Disk" + number) && number[0] != '0';
    if (digits && !runs)
      out.push_back({kCfg, s.line, Severity::kError,
                     "[" + s.name + "] is not a disk section the setup runs: they are named [Setup Disk1], "
                     "[Setup Disk2], ... (one blank, no blank before the number, no leading zero)"});
  }
}

void Values(const IniText& cfg, std::vector<Finding>& out, int* softwareDisk, int* softwareDiskLine = nullptr) {
  Number(cfg, "Misc", "ReqFreeSpace", out, nullptr);
  Number(cfg, "Misc", "SoftwareDisk", out, softwareDisk, softwareDiskLine);
  Number(cfg, "Multimedia", "MultiMedia", out, nullptr);
  std::string intro;
  int line = 0;
  if (cfg.Value("Misc", "Intro Text", &intro, &line) && intro.size() > 255)
    out.push_back({kCfg, line, Severity::kWarning,
                   "Intro Text is " + std::to_string(intro.size()) + " characters long: the setup shows 255"});
}

// The media as the layout tools plan them: any number of disks, nothing on
// them yet.
class PlannedMedia : public MediaView {
 public:
  explicit PlannedMedia(int disks) : disks_(disks < 1 ? 1 : disks) {}
  int DiskCount() const override { return disks_; }
  bool Read(int, const std::string&, std::vector<uint8_t>*) const override { return false; }
  bool Exists(int, const std::string&) const override { return false; }
  bool HasFolder(int, const std::string&) const override { return false; }

 private:
  int disks_;
};

}  // namespace

std::vector<MediaNeed> ListMediaNeeds(const std::string& cfgText, int diskCount) {
  const IniText cfg(cfgText);
  std::vector<Finding> ignored;
  int softwareDisk = 0;
  Values(cfg, ignored, &softwareDisk);
  const PlannedMedia media(diskCount);
  std::vector<MediaNeed> needs;
  Walker walker(media, cfg, ignored, &needs);
  walker.Disks();
  walker.Software(softwareDisk, 0);
  return needs;
}

InstallPlan PlanInstallation(const MediaView& media, const std::string& mainDir,
                             const std::map<std::string, std::string>& tokens) {
  InstallPlan plan;
  plan.mainDir = mainDir;
  std::vector<uint8_t> bytes;
  if (!media.Read(1, "setup.cfg", &bytes)) return plan;
  const IniText cfg(std::string(bytes.begin(), bytes.end()));
  std::vector<Finding> ignored;
  int softwareDisk = 0;
  Values(cfg, ignored, &softwareDisk);
  Walker walker(media, cfg, ignored, nullptr, &plan);
  SetPlanTokens(walker.tokens(), mainDir, tokens);
  walker.Disks();
  walker.Software(softwareDisk, 0);
  return plan;
}

namespace {

// The destination page lets an installation start when the drive has
// ReqFreeSpace MB free (15 when it is not set): less than the disk
// sections install, and the copying runs out of space halfway.
void FreeSpace(const MediaView& media, const IniText& cfg, std::vector<Finding>& out) {
  constexpr uint64_t kMB = 1024 * 1024;
  std::string text;
  int line = 0;
  long required = 15;
  if (cfg.Value("Misc", "ReqFreeSpace", &text, &line)) {
    char* end = nullptr;
    required = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != '\0') return;  // reported as not a number
  }
  const uint64_t bytes = PlanInstallation(media).InstalledBytes();
  const uint64_t needed = (bytes + kMB - 1) / kMB;
  if (needed <= static_cast<uint64_t>(required < 0 ? 0 : required)) return;
  out.push_back({kCfg, line, Severity::kWarning,
                 std::string(line ? "ReqFreeSpace=" : "ReqFreeSpace is not set, so it is ") + std::to_string(required) +
                     " (MB), but the disk sections install " + std::to_string(bytes) + " bytes: a drive with less "
                     "room than that passes the destination page and the copying fails halfway; set ReqFreeSpace=" +
                     std::to_string(needed) + " or more"});
}

}  // namespace

std::vector<Finding> CheckMedia(const MediaView& media) {
  std::vector<Finding> out;
  std::vector<uint8_t> bytes;
  if (!media.Read(1, "setup.cfg", &bytes)) {
    out.push_back({kCfg, 0, Severity::kError, "setup.cfg is not on the media"});
    return out;
  }
  CheckTextForm(kCfg, bytes, out);
  const IniText cfg(std::string(bytes.begin(), bytes.end()));
  SectionNames(cfg, out);
  int softwareDisk = 0, softwareDiskLine = 0;
  Values(cfg, out, &softwareDisk, &softwareDiskLine);
  Walker walker(media, cfg, out);
  walker.Disks();
  walker.Software(softwareDisk, softwareDiskLine);
  // After the registration the setup always asks for the SoftwareDisk's
  // label, QRM.D00 (the CD) when it is 0.
  if (softwareDisk == 0 && IsFloppySet(media))
    out.push_back({kCfg, softwareDiskLine, Severity::kError,
                   std::string(softwareDiskLine ? "SoftwareDisk=0" : "SoftwareDisk is not set (0)") +
                       " on a floppy set: after the registration the setup asks for the Vantora CD, and a floppy "
                       "user's installation never finishes; set it to the disk of the additional software, or the "
                       "last disk (in vtmedia.ini: Misc.SoftwareDisk=N in [Floppy setup.cfg])"});
  CheckMultimedia(media, cfg, out);
  FreeSpace(media, cfg, out);
  CheckSetupIni(media, out);
  CheckLabels(media, out);
  std::stable_sort(out.begin(), out.end(), [](const Finding& a, const Finding& b) {
    return a.file != b.file ? a.file < b.file : a.line < b.line;
  });
  return out;
}

std::string FormatFinding(const Finding& f) {
  std::string s = f.file;
  if (f.line > 0) s += ":" + std::to_string(f.line);
  s += f.severity == Severity::kError ? ": error: " : ": warning: ";
  return s + f.text;
}

CheckExit ExitFor(const std::vector<Finding>& findings) {
  CheckExit e = kCheckClean;
  for (const Finding& f : findings) {
    if (f.severity == Severity::kError) return kCheckErrors;
    e = kCheckWarnings;
  }
  return e;
}
