#include "cli_args.h"

#include <cstddef>

namespace {

// What an option does to the command line, given its value (if it takes one).
using Apply = bool (*)(CommandLine& line, const std::string& value, std::string& why);

struct OptionSpec {
  const char* name;
  const char* command;  // the only command it suits; nullptr for any
  bool takes_value;
  Apply apply;
};

bool SetPaths(CommandLine& l, const std::string&, std::string&) { return l.create.paths = true; }
bool SetOverwrite(CommandLine& l, const std::string&, std::string&) { return l.extract.overwrite = true; }
bool SetForce(CommandLine& l, const std::string&, std::string&) { return l.create.force = true; }
bool SetHelp(CommandLine& l, const std::string&, std::string&) { return l.help = true; }
bool SetVersion(CommandLine& l, const std::string&, std::string&) { return l.version = true; }

bool SetLiterals(CommandLine& l, const std::string& v, std::string& why) {
  if (v == "binary") l.create.encoder.literals = dcl::kLiteralsBinary;
  else if (v == "ascii") l.create.encoder.literals = dcl::kLiteralsAscii;
  else return why = "--literals takes binary or ascii, not '" + v + "'", false;
  return true;
}

bool SetDict(CommandLine& l, const std::string& v, std::string& why) {
  unsigned long n = 0;
  if (!ParseNumber(v, 65536, n)) return why = "--dict takes a number (1024, 2048 or 4096), not '" + v + "'", false;
  l.create.encoder.dictionary_size = static_cast<int>(n);
  if (!DclEncoder::ValidOptions(l.create.encoder)) return why = "--dict takes 1024, 2048 or 4096, not " + v, false;
  return true;
}

const OptionSpec kOptions[] = {
    {"--paths", "create", false, SetPaths},         {"--literals", "create", true, SetLiterals},
    {"--dict", "create", true, SetDict},            {"--overwrite", "extract", false, SetOverwrite},
    {"--force", "create", false, SetForce},         {"--help", nullptr, false, SetHelp},
    {"-h", nullptr, false, SetHelp},
    {"--version", nullptr, false, SetVersion},
};

const OptionSpec* Find(const std::string& name) {
  for (const OptionSpec& o : kOptions)
    if (name == o.name) return &o;
  return nullptr;
}

}  // namespace

bool ParseNumber(const std::string& text, unsigned long max, unsigned long& value) {
  if (text.empty() || text.size() > 12) return false;
  unsigned long long n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + unsigned(c - '0');
  }
  if (n > max) return false;
  value = static_cast<unsigned long>(n);
  return true;
}

bool ParseCommandLine(int argc, char** argv, CommandLine& line, std::string& why) {
  bool options_ended = false;
  std::vector<std::string> words;
  std::vector<const OptionSpec*> given;  // checked against the command once it is known
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (options_ended || arg.size() < 2 || arg[0] != '-') {
      words.push_back(arg);
      continue;
    }
    if (arg == "--") {
      options_ended = true;
      continue;
    }
    std::string value;
    bool has_value = false;
    const size_t eq = arg.find('=');
    if (arg.compare(0, 2, "--") == 0 && eq != std::string::npos) {
      value = arg.substr(eq + 1);
      arg.erase(eq);
      has_value = true;
    }
    const OptionSpec* o = Find(arg);
    if (!o) return why = "unknown option " + arg, false;
    if (o->takes_value && !has_value) {
      if (i + 1 >= argc) return why = arg + " needs a value", false;
      value = argv[++i];
    } else if (!o->takes_value && has_value) {
      return why = arg + " takes no value", false;
    }
    if (!o->apply(line, value, why)) return false;
    given.push_back(o);
  }
  if (!words.empty()) {
    line.command = words[0];
    line.operands.assign(words.begin() + 1, words.end());
  }
  for (const OptionSpec* o : given)
    if (o->command && !line.command.empty() && line.command != o->command)
      return why = std::string(o->name) + " is an option of " + o->command + ", not of " + line.command, false;
  return true;
}
