// The floppies' setup.cfg: the CD's text with some values put in place of
// the CD's, every other line kept as it is (comments, order, line ends).
#pragma once
#include <string>
#include <vector>

#include "manifest.h"

std::string WithValues(const std::string& text, const std::vector<CfgOverride>& values);
