#include "core/archive/archive_format.h"

#include <algorithm>
#include <cstring>

namespace {

uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }
uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }

void Put16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(uint8_t(x));
  v.push_back(uint8_t(x >> 8));
}
void Put32(std::vector<uint8_t>& v, uint32_t x) {
  Put16(v, x & 0xFFFF);
  Put16(v, x >> 16);
}

}  // namespace

bool ArchiveReader::Fail(const std::string& why) {
  error_ = why;
  return false;
}

bool ArchiveReader::ReadHeader() {
  uint8_t header[4];
  if (!source_.Seek(0) || !ReadExactly(source_, header, 4)) return Fail("the archive header is incomplete");
  count_ = Le16(header);
  path_flag_ = Le16(header + 2);
  next_header_ = 4;
  return true;
}

bool ArchiveReader::NextEntry(ArchiveEntry& entry) {
  if (!source_.Seek(next_header_)) return Fail("the entry table runs past the end of the archive");
  size_t field = kShortNameField;
  if (path_flag_) {
    uint8_t length[4];
    if (!ReadExactly(source_, length, 4)) return Fail("the entry table runs past the end of the archive");
    field = Le16(length);  // only the low 16 bits count
    if (field > kMaxNameField) return Fail("an entry name field is longer than 256 bytes");
  }
  char name[kMaxNameField];
  uint8_t rest[16];
  if (!ReadExactly(source_, name, field) || !ReadExactly(source_, rest, sizeof rest))
    return Fail("the entry table runs past the end of the archive");
  next_header_ = source_.Tell();

  entry.name.assign(name, std::find(name, name + field, '\0'));
  entry.file_time = uint64_t(Le32(rest)) | uint64_t(Le32(rest + 4)) << 32;
  entry.data_start = Le32(rest + 8);
  entry.data_end = Le32(rest + 12);
  if (entry.data_end < entry.data_start) return Fail("the data of " + entry.name + " ends before it starts");
  if (entry.data_end > source_.Size()) return Fail("the data of " + entry.name + " lies outside the archive");
  return true;
}

bool ArchiveWriter::IsShortName(const std::string& name) {
  size_t dot = name.find('.');
  std::string base = name.substr(0, dot);
  std::string ext = dot == std::string::npos ? "" : name.substr(dot + 1);
  if (base.empty() || base.size() > 8 || ext.size() > 3 || ext.find('.') != std::string::npos) return false;
  if (dot != std::string::npos && ext.empty()) return false;
  for (char c : name) {
    unsigned char u = static_cast<unsigned char>(c);
    if (u < 0x21 || std::strchr("\"*+,/:;<=>?[\\]|", c)) return false;
  }
  return true;
}

bool ArchiveWriter::Add(const std::string& name, uint64_t file_time, std::vector<uint8_t> stream) {
  if (names_.size() >= 0xFFFF) {
    error_ = "an archive holds at most 65535 files";
    return false;
  }
  error_ = NameProblem(name);
  if (!error_.empty()) return false;
  names_.push_back(name);
  times_.push_back(file_time);
  streams_.push_back(std::move(stream));
  return true;
}

std::string ArchiveWriter::NameProblem(const std::string& name) const {
  if (with_paths_) {
    if (name.empty() || name.size() + 1 > kMaxNameField || name.find('\0') != std::string::npos)
      return "the name '" + name + "' must have 1 to 255 characters";
  } else if (!IsShortName(name)) {
    return "'" + name + "' is not an 8.3 file name; archives with plain names hold only those (use path names)";
  }
  return std::string();
}

bool ArchiveWriter::WriteTo(ByteSink& sink) {
  std::vector<uint8_t> table;
  Put16(table, uint32_t(names_.size()));
  Put16(table, with_paths_ ? 1 : 0);
  uint64_t offset = 4;
  for (const std::string& n : names_) offset += (with_paths_ ? 4 + n.size() + 1 : kShortNameField) + 16;
  for (size_t i = 0; i < names_.size(); ++i) {
    const std::string& n = names_[i];
    if (with_paths_) {
      Put32(table, uint32_t(n.size() + 1));
      table.insert(table.end(), n.begin(), n.end());
      table.push_back(0);
    } else {
      uint8_t field[kShortNameField] = {};
      std::memcpy(field, n.data(), n.size());
      table.insert(table.end(), field, field + kShortNameField);
    }
    Put32(table, uint32_t(times_[i]));
    Put32(table, uint32_t(times_[i] >> 32));
    uint64_t end = offset + streams_[i].size();
    if (end > 0xFFFFFFFFu) {
      error_ = "the archive would exceed 4 GB";
      return false;
    }
    Put32(table, uint32_t(offset));
    Put32(table, uint32_t(end));
    offset = end;
  }
  if (!sink.Write(table.data(), table.size())) {
    error_ = "cannot write the archive";
    return false;
  }
  for (const auto& s : streams_)
    if (!s.empty() && !sink.Write(s.data(), s.size())) {
      error_ = "cannot write the archive";
      return false;
    }
  return true;
}
