// SPDX-License-Identifier: GPL-3.0-or-later
// The DefList reader on any bytes (the first byte picks the document type):
// it reads or ends with an Error, and a list it read and the writer accepts
// reads back the same; so do the colour options after the list's end mark.

#include <cstdlib>

#include "base/errors.h"
#include "framelist/deflist_extras.h"
#include "framelist/deflist_header.h"
#include "framelist/deflist_reader.h"
#include "framelist/deflist_writer.h"

namespace {

using kelvane::DefListType;

struct Loaded {
  kelvane::FrameDocument document;
  bool complete = false;
};

Loaded Read(std::string bytes, DefListType type) {
  Loaded loaded;
  kelvane::WindowSettings& settings = loaded.document.settings;
  try {
    kelvane::ReadDefList(
        std::move(bytes), type, loaded.document.list, loaded.document.numbers,
        [&settings](const kelvane::HeaderLine& line) { kelvane::ApplyHeaderLine(line, settings); });
    loaded.complete = true;
  } catch (const kelvane::Error&) {
  }
  return loaded;
}

void RequireColoursReadBack(const std::string& bytes) {
  const kelvane::FrameColourOptions colours = kelvane::ReadDefListExtras(bytes);
  std::string saved;
  try {
    saved = kelvane::DefListExtrasText(colours);
  } catch (const kelvane::Error&) {
    return;  // a palette path the writer refuses to save
  }
  const kelvane::FrameColourOptions again = kelvane::ReadDefListExtras(saved);
  if (again.referencePalette != colours.referencePalette || again.dither != colours.dither) {
    std::abort();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) {
    return 0;
  }
  const DefListType type = (data[0] & 1) != 0 ? DefListType::WithHeader : DefListType::ListOnly;
  RequireColoursReadBack(std::string(data + 1, data + size));
  const Loaded first = Read(std::string(data + 1, data + size), type);
  if (!first.complete) {
    return 0;
  }
  std::string saved;
  try {
    saved =
        kelvane::DefListText(first.document.settings, first.document.list, first.document.numbers);
  } catch (const kelvane::Error&) {
    return 0;  // a list the writer refuses to save
  }
  const Loaded second = Read(saved, DefListType::WithHeader);
  const kelvane::FrameList& a = first.document.list;
  const kelvane::FrameList& b = second.document.list;
  if (!second.complete || a.Count() != b.Count()) {
    std::abort();
  }
  for (size_t i = 0; i < a.Count(); ++i) {
    if (a.Text(i) != b.Text(i)) {
      std::abort();
    }
  }
  return 0;
}
