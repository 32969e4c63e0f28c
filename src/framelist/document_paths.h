// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

#include "framelist/frame_document.h"

namespace kelvane {

// The file a document's frame entry or output name names: taken from the
// document's folder when it is relative.
std::string FileOf(const FrameDocument& document, const std::string& path);

// The file a document's frame entry names, as FileOf gives it; a path with
// '\' that names no file here, written on Windows, is taken with '/'.
std::string FrameFileOf(const FrameDocument& document, const std::string& path);

// Frame paths of `list` made to name their files from anywhere: relative
// ones are taken from `folder`, as FrameFileOf takes them.
void ResolveFramePaths(FrameList& list, const std::string& folder);

// What a build reads: a copy of the document whose frame paths, output name
// and reference palette name their files from anywhere. Frame names in the DEF come from the
// last part of each path, which this leaves as it was.
FrameDocument ResolvedForBuild(const FrameDocument& document);

// The document as it is saved in `folder` (absolute) and read from there:
// every frame path and the reference palette rewritten to name the same file
// from that folder, relative when the file lies under it, absolute otherwise;
// with `outputToo`, the output name as well. The folder becomes the document's.
FrameDocument MovedTo(const FrameDocument& document, const std::string& folder, bool outputToo);

}  // namespace kelvane
