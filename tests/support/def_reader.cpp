#include "support/def_reader.h"

#include <stdexcept>

#include "support/test_support.h"

namespace testing_support {

namespace {

void Require(bool condition, const std::string& what) {
  if (!condition) {
    throw std::runtime_error("bad DEF: " + what);
  }
}

// Reads fields from `at` on, each checked to lie inside the bytes.
class Cursor {
 public:
  Cursor(const std::vector<uint8_t>& bytes, size_t at) : bytes_(bytes), at_(at) {}

  void Need(size_t count, const std::string& what) const {
    Require(at_ <= bytes_.size() && count <= bytes_.size() - at_,
            what + " at " + std::to_string(at_) + " runs past the " +
                std::to_string(bytes_.size()) + " bytes");
  }
  int32_t Next32(const std::string& what) {
    Need(4, what);
    at_ += 4;
    return Le32(bytes_, at_ - 4);
  }
  std::vector<uint8_t> Take(size_t count, const std::string& what) {
    Need(count, what);
    at_ += count;
    return {bytes_.begin() + long(at_ - count), bytes_.begin() + long(at_)};
  }
  size_t at() const { return at_; }

 private:
  const std::vector<uint8_t>& bytes_;
  size_t at_;
};

std::string ReadName(Cursor& in) {
  const std::vector<uint8_t> stored = in.Take(13, "frame name");
  std::string name;
  size_t i = 0;
  for (; i < stored.size() && stored[i] != 0; ++i) {
    name.push_back(char(stored[i]));
  }
  Require(i < stored.size(), "name without a zero byte");
  for (; i < stored.size(); ++i) {
    Require(stored[i] == 0, "name \"" + name + "\" not padded with zero bytes");
  }
  return name;
}

DefGroup ReadGroup(Cursor& in) {
  DefGroup group;
  group.number = in.Next32("group number");
  const int32_t count = in.Next32("frame count");
  Require(count >= 0, "negative frame count");
  Require(in.Next32("reserved") == 0 && in.Next32("reserved") == 0, "reserved field not 0");
  in.Need(size_t(count) * 17, "names and offsets");
  for (int32_t i = 0; i < count; ++i) {
    group.names.push_back(ReadName(in));
  }
  for (int32_t i = 0; i < count; ++i) {
    group.offsets.push_back(in.Next32("frame offset"));
  }
  return group;
}

}  // namespace

FrameBlock ReadFrameBlock(const std::vector<uint8_t>& bytes, size_t at) {
  Cursor in(bytes, at);
  FrameBlock block;
  block.offset = at;
  for (int32_t* field : {&block.dataSize, &block.format, &block.fullWidth, &block.fullHeight,
                         &block.width, &block.height, &block.leftMargin, &block.topMargin}) {
    *field = in.Next32("frame header");
  }
  Require(block.dataSize >= 0, "negative DataSize");
  block.data = in.Take(size_t(block.dataSize), "frame data");
  return block;
}

DefFile ReadDef(const std::vector<uint8_t>& bytes) {
  Cursor in(bytes, 0);
  DefFile def;
  def.type = in.Next32("type");
  def.width = in.Next32("width");
  def.height = in.Next32("height");
  const int32_t groupCount = in.Next32("group count");
  Require(groupCount >= 0, "negative group count");
  def.palette = in.Take(768, "palette");
  for (int32_t g = 0; g < groupCount; ++g) {
    def.groups.push_back(ReadGroup(in));
  }
  def.firstBlock = in.at();
  size_t next = def.firstBlock;
  for (const DefGroup& group : def.groups) {
    for (const int32_t offset : group.offsets) {
      Require(size_t(uint32_t(offset)) == next, "frame block at " + std::to_string(offset) +
                                                    " where " + std::to_string(next) + " was due");
      def.frames.push_back(ReadFrameBlock(bytes, next));
      next += 32 + def.frames.back().data.size();
    }
  }
  Require(next == bytes.size(), "the last block ends at " + std::to_string(next) +
                                    ", the file at " + std::to_string(bytes.size()));
  return def;
}

DefFile ReadDefFile(const std::string& path) {
  return ReadDef(ReadBytes(path));
}

std::vector<int32_t> GroupNumbersOf(const DefFile& def) {
  std::vector<int32_t> numbers;
  for (const DefGroup& group : def.groups) {
    numbers.push_back(group.number);
  }
  return numbers;
}

}  // namespace testing_support
