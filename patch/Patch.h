#pragma once
// The three patch formats behind one interface: create, apply and describe by format.

#include "patch/Bytes.h"
#include "patch/PatchInfo.h"

#include <filesystem>
#include <optional>

namespace patch {

// The format whose magic the patch starts with, if any. Never fails.
std::optional<PatchFormat> FormatOfPatch(ByteView patch);

// The format named by a file's extension (.ips, .ups, .bps, in any case), if any. Never fails.
std::optional<PatchFormat> FormatOfExtension(const std::filesystem::path& file);

// The format named by text ("ips", "ups", "bps", in any case), if any. Never fails.
std::optional<PatchFormat> FormatNamed(const std::string& text);

// The patch in format that turns original into modified. Throws FormatLimit when the format cannot
// express the change.
Bytes CreatePatch(PatchFormat format, ByteView original, ByteView modified);

// base with the patch applied, its format taken from its magic. Throws MalformedPatch (also for a
// file that is no patch) and ChecksumMismatch as ApplyIps, ApplyUps and ApplyBps do.
Bytes ApplyPatch(ByteView base, ByteView patch);

// What the patch says about itself, its format taken from its magic. Throws MalformedPatch.
PatchInfo DescribePatch(ByteView patch);

} // namespace patch
