#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace dru {

// An immutable byte string whose storage is shared. Records live in slabs
// that many records share: FileLines and UnmarkedList hold the same lines,
// and a loaded file keeps its text in few large, contiguous blocks, which
// keeps loading fast and searches cache-friendly.
class Record {
 public:
  Record() = default;
  // A record with storage of its own.
  explicit Record(std::string_view text);
  Record(const Record& other) noexcept;
  Record(Record&& other) noexcept;
  Record& operator=(Record other) noexcept;
  ~Record();

  std::string_view View() const noexcept { return {data_, size_}; }
  std::size_t Size() const noexcept { return size_; }
  bool Empty() const noexcept { return size_ == 0; }

 private:
  friend class RecordArena;
  struct Slab;
  static Slab* NewSlab(std::size_t capacity);
  static void Release(Slab* slab) noexcept;

  Slab* slab_ = nullptr;
  const char* data_ = nullptr;
  std::size_t size_ = 0;
};

// Makes many records in shared slabs; used while loading a file.
class RecordArena {
 public:
  // expectedBytes sizes the first slab, so a small file takes little.
  explicit RecordArena(std::size_t expectedBytes = 0) : expected_(expectedBytes) {}
  RecordArena(const RecordArena&) = delete;
  RecordArena& operator=(const RecordArena&) = delete;
  ~RecordArena();

  Record Make(std::string_view text);

 private:
  Record::Slab* slab_ = nullptr;
  std::size_t expected_;
};

}  // namespace dru
