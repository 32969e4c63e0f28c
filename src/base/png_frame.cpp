// SPDX-License-Identifier: GPL-3.0-or-later
#include "base/png_frame.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <exception>
#include <new>

#include "base/errors.h"

namespace kelvane {

namespace {

[[noreturn]] void Refuse(const std::string& path, const std::string& what) {
  ThrowInputError("\"" + path + "\" cannot be used as a frame: " + what, path);
}

// Chunks whose contents a frame does not need. libpng skips them unread
// rather than inflating their text or colour profiles, so that a small file
// cannot make it do much work.
constexpr png_byte kSkippedChunks[] = "tEXt\0zTXt\0iTXt\0iCCP\0sPLT\0eXIf";
// The chunk that makes a PNG an animation; it must come before the pixels.
constexpr png_byte kAnimationChunk[] = "acTL";

// One libpng read of one file. libpng reports errors by longjmp, so every
// call into it is made from a method that returns false instead, creates
// nothing with a destructor and leaves the throwing to Fail().
class PngReader {
 public:
  explicit PngReader(const InputFile& file) : file_(file) {
    png_ = png_create_read_struct(PNG_LIBPNG_VER_STRING, this, OnError, OnWarning);
    info_ = png_ != nullptr ? png_create_info_struct(png_) : nullptr;
    if (info_ == nullptr) {
      png_destroy_read_struct(&png_, nullptr, nullptr);
      throw std::bad_alloc();
    }
  }
  ~PngReader() { png_destroy_read_struct(&png_, &info_, nullptr); }
  PngReader(const PngReader&) = delete;
  PngReader& operator=(const PngReader&) = delete;

  bool ReadInfo() {
    if (setjmp(png_jmpbuf(png_)) != 0) {
      return false;
    }
    png_set_read_fn(png_, this, OnRead);
    // Sizes are checked against the frame limits below, with our own words.
    png_set_user_limits(png_, PNG_UINT_31_MAX, PNG_UINT_31_MAX);
    png_set_keep_unknown_chunks(png_, PNG_HANDLE_CHUNK_NEVER, nullptr, 0);
    png_set_keep_unknown_chunks(png_, PNG_HANDLE_CHUNK_NEVER, kSkippedChunks,
                                int(sizeof kSkippedChunks / 5));
    png_set_keep_unknown_chunks(png_, PNG_HANDLE_CHUNK_ALWAYS, kAnimationChunk, 1);
    png_read_info(png_, info_);
    return true;
  }

  // Indexed frames: indices widened to one byte each. True colour: red,
  // green, blue and alpha of 8 bits each.
  bool SetUpRows(FrameColours colours) {
    if (setjmp(png_jmpbuf(png_)) != 0) {
      return false;
    }
    if (colours == FrameColours::Indexed) {
      png_set_packing(png_);
    } else {
      png_set_scale_16(png_);
      png_set_expand_gray_1_2_4_to_8(png_);
      if (png_get_valid(png_, info_, PNG_INFO_tRNS) != 0) {
        png_set_tRNS_to_alpha(png_);
      }
      png_set_gray_to_rgb(png_);
      png_set_filler(png_, 0xFF, PNG_FILLER_AFTER);
    }
    png_read_update_info(png_, info_);
    return true;
  }

  bool ReadRow(uint8_t* row) {
    if (setjmp(png_jmpbuf(png_)) != 0) {
      return false;
    }
    png_read_row(png_, row, nullptr);
    return true;
  }

  // After a method returned false: the file's own I/O error, or what libpng found.
  [[noreturn]] void Fail() const {
    if (ioError_) {
      std::rethrow_exception(ioError_);
    }
    Refuse(file_.path(), std::string("its PNG data is damaged (") + message_ + ")");
  }

  png_structp png() const { return png_; }
  png_infop info() const { return info_; }

 private:
  static void OnRead(png_structp png, png_bytep into, size_t count) {
    auto* reader = static_cast<PngReader*>(png_get_io_ptr(png));
    const uint64_t size = reader->file_.size();
    if (reader->at_ > size || count > size - reader->at_) {
      png_error(png, "the file ends early");
    }
    try {
      reader->file_.ReadAt(reader->at_, into, count);
    } catch (...) {
      reader->ioError_ = std::current_exception();
    }
    if (reader->ioError_) {
      png_error(png, "read error");
    }
    reader->at_ += count;
  }

  static void OnError(png_structp png, png_const_charp message) {
    auto* reader = static_cast<PngReader*>(png_get_error_ptr(png));
    std::snprintf(reader->message_, sizeof reader->message_, "%s", message);
    png_longjmp(png, 1);
  }

  static void OnWarning(png_structp, png_const_charp) {}

  const InputFile& file_;
  png_structp png_ = nullptr;
  png_infop info_ = nullptr;
  uint64_t at_ = 0;
  char message_[200] = {};
  std::exception_ptr ioError_;
};

bool HasAnimationChunk(const PngReader& reader) {
  png_unknown_chunkp chunks = nullptr;
  const int count = png_get_unknown_chunks(reader.png(), reader.info(), &chunks);
  for (int i = 0; i < count; ++i) {
    if (std::memcmp(chunks[i].name, kAnimationChunk, 4) == 0) {
      return true;
    }
  }
  return false;
}

// Reads up to the pixels and checks the frame: its kind, size and palette.
FrameInfo ReadCheckedInfo(PngReader& reader, const std::string& path) {
  if (!reader.ReadInfo()) {
    reader.Fail();
  }
  png_uint_32 width = 0;
  png_uint_32 height = 0;
  int depth = 0;
  int colourType = 0;
  int interlace = 0;
  png_get_IHDR(reader.png(), reader.info(), &width, &height, &depth, &colourType, &interlace,
               nullptr, nullptr);
  if (interlace != PNG_INTERLACE_NONE) {
    Refuse(path, "it is an interlaced PNG; save it without interlacing");
  }
  if (HasAnimationChunk(reader)) {
    Refuse(path, "it is an animated PNG; give each of its frames as a file of its own");
  }
  FrameInfo info;
  info.colours =
      colourType == PNG_COLOR_TYPE_PALETTE ? FrameColours::Indexed : FrameColours::TrueColour;
  if (info.colours == FrameColours::TrueColour) {
    CheckTrueColourSize(path, "PNG", width, height);
  } else if (width > uint32_t(kLargestFrameSide) || height > uint32_t(kLargestFrameSide) ||
             uint64_t{RowStride(int32_t(width))} * height > kLargestFrameBytes) {
    Refuse(path, "its size, " + std::to_string(width) + " x " + std::to_string(height) +
                     ", is more than a frame may have");
  }
  info.width = int32_t(width);
  info.height = int32_t(height);
  png_colorp entries = nullptr;
  int count = 0;
  if (info.colours == FrameColours::Indexed &&
      png_get_PLTE(reader.png(), reader.info(), &entries, &count) != 0) {
    info.paletteEntries = uint32_t(std::clamp(count, 0, 256));
    for (uint32_t i = 0; i < info.paletteEntries; ++i) {
      info.palette[4 * i + 0] = entries[i].blue;
      info.palette[4 * i + 1] = entries[i].green;
      info.palette[4 * i + 2] = entries[i].red;
    }
  }
  return info;
}

void ReadIndexedRows(PngReader& reader, const FrameInfo& info, BmpImage& image) {
  ResetIndexedImage(image, info.width, info.height, info.palette);
  for (int32_t y = 0; y < image.height; ++y) {
    uint8_t* row = image.RowFromTop(y);
    std::fill(row + image.width, row + image.stride, uint8_t{0});
    if (!reader.ReadRow(row)) {
      reader.Fail();
    }
  }
}

void ReadTrueColourRows(PngReader& reader, const FrameInfo& info, RgbaImage& image) {
  image.width = info.width;
  image.height = info.height;
  const size_t rowBytes = size_t(info.width) * 4;
  image.pixels.resize(rowBytes * size_t(info.height));
  for (int32_t y = 0; y < image.height; ++y) {
    if (!reader.ReadRow(image.pixels.data() + size_t(y) * rowBytes)) {
      reader.Fail();
    }
  }
}

}  // namespace

bool HasPngSignature(const uint8_t* bytes, size_t size) {
  return size >= 8 && png_sig_cmp(bytes, 0, 8) == 0;
}

FrameInfo ReadPngInfo(const InputFile& file) {
  PngReader reader(file);
  return ReadCheckedInfo(reader, file.path());
}

FrameColours LoadPngFrame(const InputFile& file, BmpImage& indexed, RgbaImage& trueColour) {
  PngReader reader(file);
  const FrameInfo info = ReadCheckedInfo(reader, file.path());
  if (!reader.SetUpRows(info.colours)) {
    reader.Fail();
  }
  const size_t pixelBytes = info.colours == FrameColours::Indexed ? 1 : 4;
  if (png_get_rowbytes(reader.png(), reader.info()) != size_t(info.width) * pixelBytes) {
    Refuse(file.path(), "its rows do not decode to the expected length");
  }
  if (info.colours == FrameColours::Indexed) {
    ReadIndexedRows(reader, info, indexed);
  } else {
    ReadTrueColourRows(reader, info, trueColour);
  }
  return info.colours;
}

}  // namespace kelvane
