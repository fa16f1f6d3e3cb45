// The packer's last step of create: the archive just written read back
// from the disk, every entry decoded and compared, byte for byte, with the
// file it was packed from. The format carries no checksum, so this is the
// one guard against a pack that does not give back its files.
// Called by CreateArchive (commands.cpp), and so by vtmedia's packing.
#pragma once
#include <string>
#include <vector>

#include "create_inputs.h"

// kExitOk, or kExitFailed after a message naming the first entry that
// differs (its byte) or cannot be read.
int VerifyArchive(const std::string& archive, const std::vector<PackInput>& inputs);
