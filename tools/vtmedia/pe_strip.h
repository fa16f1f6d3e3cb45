// Programs for the floppies, without their debugging information: the
// DWARF sections that MinGW puts after the program's own and the COFF
// symbol table behind them are cut off, and the headers told so. What a
// loader maps is left byte for byte as it was.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

enum class StripResult {
  kStripped,   // the image is smaller now
  kNothing,    // it carries no debugging information: unchanged
  kNotStrippable,  // not a PE image this understands (`why` says what): unchanged
};

StripResult StripDebugInfo(std::vector<uint8_t>& image, std::string* why);
