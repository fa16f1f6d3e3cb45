#include "core/record/install_record.h"

#include <cstring>

namespace {

const char kHex[] = "0123456789ABCDEF";

std::string Hex8(uint32_t v) {
  std::string s(8, '0');
  for (int i = 7; i >= 0; --i, v >>= 4) s[static_cast<size_t>(i)] = kHex[v & 15];
  return s;
}

bool ParseHex8(const std::string& s, uint32_t* v) {
  if (s.size() != 8) return false;
  uint32_t out = 0;
  for (char c : s) {
    const char* at = std::strchr(kHex, c);
    if (!at || c == '\0') return false;
    out = out << 4 | static_cast<uint32_t>(at - kHex);
  }
  *v = out;
  return true;
}

bool ParseCount(const std::string& s, uint64_t* v) {
  if (s.empty() || s.size() > 19 || s.find_first_not_of("0123456789") != std::string::npos) return false;
  // By hand: the programs we ship have no strtoull (crt/), and the
  // uninstaller reads the record.
  uint64_t out = 0;
  for (char c : s) out = out * 10 + static_cast<uint64_t>(c - '0');
  *v = out;
  return true;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab - start));
    if (tab == std::string::npos) return fields;
    start = tab + 1;
  }
}

// The fields of each kind after its letter, in order.
size_t FieldCount(RecordKind kind) {
  switch (kind) {
    case RecordKind::kFile: return 3;
    case RecordKind::kRegKey: return 2;
    case RecordKind::kRegValue: return 3;
    case RecordKind::kFolder:
    case RecordKind::kShortcut:
    case RecordKind::kProduct:
    case RecordKind::kRunOnce:
    case RecordKind::kSelfCopy:
    case RecordKind::kInstaller: return 1;
  }
  return 0;
}

bool Existed(const std::string& s, bool* existed) {
  if (s != "0" && s != "1") return false;
  *existed = s == "1";
  return true;
}

// One entry line without its CR LF; false when it does not check out.
bool ParseLine(const std::string& line, RecordEntry* e) {
  const size_t last = line.rfind('\t');
  uint32_t check = 0;
  if (last == std::string::npos || !ParseHex8(line.substr(last + 1), &check) ||
      Crc32(line.data(), last) != check)
    return false;
  const std::vector<std::string> f = Fields(line.substr(0, last));
  if (f[0].size() != 1) return false;
  e->kind = static_cast<RecordKind>(f[0][0]);
  const size_t n = FieldCount(e->kind);
  if (n == 0 || f.size() != n + 1) return false;
  switch (e->kind) {
    case RecordKind::kFile:
      e->path = f[1];
      return ParseCount(f[2], &e->size) && ParseHex8(f[3], &e->crc);
    case RecordKind::kRegKey:
      e->path = f[2];
      return Existed(f[1], &e->existed);
    case RecordKind::kRegValue:
      e->path = f[2];
      e->name = f[3];
      return Existed(f[1], &e->existed);
    default:
      e->path = f[1];
      return true;
  }
}

}  // namespace

namespace {

// The table of the reflected polynomial 0xEDB88320, made by the compiler.
struct CrcTable {
  uint32_t v[256];
  constexpr CrcTable() : v() {
    for (uint32_t i = 0; i < 256; ++i) {
      uint32_t c = i;
      for (int k = 0; k < 8; ++k) c = c & 1 ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      v[i] = c;
    }
  }
};
constexpr CrcTable kCrc;

}  // namespace

uint32_t Crc32(const void* data, size_t size, uint32_t crc) {
  const uint8_t* p = static_cast<const uint8_t*>(data);
  crc = ~crc;
  for (size_t i = 0; i < size; ++i) crc = kCrc.v[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

std::string FormatRecordLine(const RecordEntry& e) {
  std::vector<std::string> f;
  switch (e.kind) {
    case RecordKind::kFile: f = {e.path, std::to_string(e.size), Hex8(e.crc)}; break;
    case RecordKind::kRegKey: f = {e.existed ? "1" : "0", e.path}; break;
    case RecordKind::kRegValue: f = {e.existed ? "1" : "0", e.path, e.name}; break;
    default: f = {e.path}; break;
  }
  std::string line(1, static_cast<char>(e.kind));
  for (const std::string& field : f) {
    if (field.find_first_of("\t\r\n") != std::string::npos) return std::string();
    line += '\t' + field;
  }
  return line + '\t' + Hex8(Crc32(line.data(), line.size())) + "\r\n";
}

RecordRead ReadRecord(const std::string& text) {
  RecordRead r;
  const std::string header = std::string(kRecordHeader) + "\r\n";
  if (text.compare(0, header.size(), header) != 0) return r;
  r.state = RecordState::kWhole;
  size_t at = header.size();
  int line = 1;
  while (at < text.size()) {
    ++line;
    const size_t end = text.find("\r\n", at);
    RecordEntry e;
    const bool last = end == std::string::npos || end + 2 == text.size();
    if (end == std::string::npos || !ParseLine(text.substr(at, end - at), &e)) {
      r.state = last ? RecordState::kTornEnd : RecordState::kDamaged;
      r.badLine = line;
      return r;
    }
    r.entries.push_back(e);
    at = end + 2;
  }
  return r;
}
