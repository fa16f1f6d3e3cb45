// Format notes (PE/COFF, as MinGW's linker writes it):
//   0x3C           offset of the "PE\0\0" signature
//   PE + 4         COFF header: sections (2 bytes at +2), symbol table
//                  pointer (+8) and count (+12), optional header size (+16)
//   PE + 24        optional header: section alignment (+32), size of image
//                  (+56), size of headers (+60), checksum (+64); the data
//                  directories at +96 (PE32) or +112 (PE32+), debug is #6
//   after it       the section table, 40 bytes a section: name (8 bytes,
//                  "/N" for offset N in the string table), virtual size (+8),
//                  address (+12), raw size (+16), raw offset (+20)
//   symbol table   18 bytes a symbol, then the string table (its size in
//                  its first 4 bytes, which count themselves)
// The debugging sections (".debug_*", long names) come last in the table
// and in the file, the symbol and string tables after them.
#include "pe_strip.h"

#include <algorithm>
#include <cstdlib>

namespace {

uint32_t Get(const std::vector<uint8_t>& b, size_t at, int size) {
  uint32_t v = 0;
  for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + static_cast<size_t>(i)];
  return v;
}

void Put(std::vector<uint8_t>& b, size_t at, int size, uint32_t v) {
  for (int i = 0; i < size; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}

struct Section {
  std::string name;
  uint32_t address, virtualSize, rawSize, rawOffset;
};

// The PE checksum: 16-bit words summed with the carries folded in, the
// checksum field itself counted as zero, plus the file's length.
uint32_t Checksum(const std::vector<uint8_t>& b, size_t field) {
  uint64_t sum = 0;
  for (size_t i = 0; i < b.size(); i += 2) {
    if (i == field || i == field + 2) continue;
    const uint32_t word = b[i] | (i + 1 < b.size() ? b[i + 1] << 8 : 0);
    sum += word;
    sum = (sum & 0xffff) + (sum >> 16);
  }
  sum = (sum & 0xffff) + (sum >> 16);
  return static_cast<uint32_t>(sum + b.size());
}

bool Fail(std::string* why, const char* text) {
  *why = text;
  return false;
}

StripResult Refuse(std::string* why, const char* text) {
  *why = text;
  return StripResult::kNotStrippable;
}

class Image {
 public:
  explicit Image(std::vector<uint8_t>& b) : b_(b) {}

  bool Parse(std::string* why) {
    if (b_.size() < 0x40 || b_[0] != 'M' || b_[1] != 'Z') return Fail(why, "no MZ header");
    pe_ = Get(b_, 0x3C, 4);
    if (pe_ > b_.size() || b_.size() - pe_ < 24 + 96 || Get(b_, pe_, 4) != 0x4550)
      return Fail(why, "no PE header");
    const uint32_t count = Get(b_, pe_ + 6, 2);
    symbolTable_ = Get(b_, pe_ + 12, 4);
    symbols_ = Get(b_, pe_ + 16, 4);
    const uint32_t optional = Get(b_, pe_ + 20, 2);
    opt_ = pe_ + 24;
    const uint32_t magic = Get(b_, opt_, 2);
    if (magic != 0x10b && magic != 0x20b) return Fail(why, "an optional header of an unknown kind");
    directories_ = opt_ + (magic == 0x10b ? 96 : 112);
    table_ = opt_ + optional;
    if (optional < (magic == 0x10b ? 96u : 112u) || table_ + 40ull * count > b_.size())
      return Fail(why, "a section table outside the file");
    if (symbolTable_ != 0) {
      const uint64_t strings = symbolTable_ + 18ull * symbols_;
      if (strings + 4 > b_.size()) return Fail(why, "a symbol table outside the file");
      strings_ = static_cast<size_t>(strings);
      stringsEnd_ = strings_ + Get(b_, strings_, 4);
      if (stringsEnd_ > b_.size() || stringsEnd_ < strings_ + 4) return Fail(why, "a string table outside the file");
    }
    for (uint32_t i = 0; i < count; ++i) {
      const size_t at = table_ + 40 * i;
      Section s{Name(at), Get(b_, at + 12, 4), Get(b_, at + 8, 4), Get(b_, at + 16, 4), Get(b_, at + 20, 4)};
      if (s.rawSize != 0 && (s.rawOffset > b_.size() || b_.size() - s.rawOffset < s.rawSize))
        return Fail(why, "a section outside the file");
      sections_.push_back(s);
    }
    return true;
  }

  StripResult Strip(std::string* why) {
    size_t kept = 0;
    while (kept < sections_.size() && !IsDebug(sections_[kept])) ++kept;
    for (size_t i = kept; i < sections_.size(); ++i)
      if (!IsDebug(sections_[i])) return Refuse(why, "debugging sections before the program's own");
    if (kept == sections_.size() && symbolTable_ == 0) return StripResult::kNothing;
    size_t end = Get(b_, opt_ + 60, 4);
    uint32_t imageEnd = 0;
    const uint32_t align = std::max<uint32_t>(Get(b_, opt_ + 32, 4), 1);
    for (size_t i = 0; i < kept; ++i) {
      const Section& s = sections_[i];
      if (s.rawSize) end = std::max<size_t>(end, s.rawOffset + s.rawSize);
      const uint64_t top = (uint64_t(s.address) + std::max(s.virtualSize, s.rawSize) + align - 1) / align * align;
      imageEnd = std::max<uint32_t>(imageEnd, static_cast<uint32_t>(top));
    }
    if (!TailIsDebugOnly(kept, end)) return Refuse(why, "data after the sections that is not debugging information");
    const uint32_t debugDir = Get(b_, directories_ + 6 * 8, 4);
    for (size_t i = kept; i < sections_.size(); ++i)
      if (debugDir && debugDir >= sections_[i].address && debugDir < sections_[i].address + sections_[i].virtualSize)
        return Refuse(why, "a debug directory inside the sections to cut");

    // Names longer than 8 characters live in the string table, which goes:
    // they keep their first 8.
    for (size_t i = 0; i < kept; ++i) {
      const std::string short_name = sections_[i].name.substr(0, 8);
      std::fill_n(b_.begin() + static_cast<long>(table_ + 40 * i), 8, 0);
      std::copy(short_name.begin(), short_name.end(), b_.begin() + static_cast<long>(table_ + 40 * i));
    }

    for (size_t i = kept; i < sections_.size(); ++i) std::fill_n(b_.begin() + static_cast<long>(table_ + 40 * i), 40, 0);
    Put(b_, pe_ + 6, 2, static_cast<uint32_t>(kept));
    Put(b_, pe_ + 12, 4, 0);
    Put(b_, pe_ + 16, 4, 0);
    Put(b_, opt_ + 56, 4, imageEnd);
    b_.resize(end);
    if (Get(b_, opt_ + 64, 4) != 0) Put(b_, opt_ + 64, 4, Checksum(b_, opt_ + 64));
    return StripResult::kStripped;
  }

 private:
  std::string Name(size_t at) const {
    std::string name(reinterpret_cast<const char*>(&b_[at]), 8);
    name = name.substr(0, name.find('\0'));
    if (name.size() < 2 || name[0] != '/' || strings_ == 0) return name;
    const size_t offset = strings_ + std::strtoul(name.c_str() + 1, nullptr, 10);
    if (offset >= stringsEnd_) return name;
    const auto from = b_.begin() + static_cast<long>(offset);
    return std::string(from, std::find(from, b_.begin() + static_cast<long>(stringsEnd_), uint8_t(0)));
  }

  static bool IsDebug(const Section& s) { return s.name.compare(0, 6, ".debug") == 0; }

  // Everything from `end` on is the debugging sections' data, the symbol
  // and string tables, and the padding between them.
  bool TailIsDebugOnly(size_t kept, size_t end) const {
    std::vector<std::pair<size_t, size_t>> parts;
    for (size_t i = kept; i < sections_.size(); ++i)
      if (sections_[i].rawSize) parts.push_back({sections_[i].rawOffset, sections_[i].rawOffset + sections_[i].rawSize});
    if (symbolTable_) parts.push_back({symbolTable_, stringsEnd_});
    std::sort(parts.begin(), parts.end());
    const size_t slack = std::max<uint32_t>(Get(b_, opt_ + 36, 4), 1);  // the file alignment
    size_t at = end;
    for (const auto& p : parts) {
      if (p.first < at) return false;  // overlaps what stays
      if (p.first - at >= slack) return false;
      at = p.second;
    }
    return b_.size() - at < slack;
  }

  std::vector<uint8_t>& b_;
  size_t pe_ = 0, opt_ = 0, table_ = 0, directories_ = 0;
  uint32_t symbols_ = 0, symbolTable_ = 0;
  size_t strings_ = 0, stringsEnd_ = 0;
  std::vector<Section> sections_;
};

}  // namespace

StripResult StripDebugInfo(std::vector<uint8_t>& image, std::string* why) {
  std::vector<uint8_t> copy = image;
  Image pe(copy);
  if (!pe.Parse(why)) return StripResult::kNotStrippable;
  const StripResult r = pe.Strip(why);
  if (r == StripResult::kStripped) image.swap(copy);
  return r;
}
