#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace dru {

// An immutable byte string whose storage is shared. FileLines and
// UnmarkedList hold the same lines, and a loaded file's records all point
// into the one block the file was read into, which keeps loading fast and
// memory close to the file's size.
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
  friend class RecordBlock;
  struct Slab;
  static Slab* NewSlab(std::size_t capacity);
  static void Release(Slab* slab) noexcept;

  Slab* slab_ = nullptr;
  const char* data_ = nullptr;
  std::size_t size_ = 0;
};

// Memory for large blocks: of 16 MiB or more, they get pages of their own,
// huge pages where the system offers them, made present at once.
void* AllocateLarge(std::size_t bytes);
void FreeLarge(void* memory, std::size_t bytes) noexcept;
inline constexpr std::size_t kLargeBlock = 16u << 20;

// A standard allocator that takes large arrays from AllocateLarge, so that
// the lists of a large file cost no page fault per few records.
template <typename T>
struct LargeBlockAllocator {
  using value_type = T;
  LargeBlockAllocator() = default;
  template <typename U>
  LargeBlockAllocator(const LargeBlockAllocator<U>&) noexcept {}

  T* allocate(std::size_t n) {
    const std::size_t bytes = n * sizeof(T);
    if (bytes >= kLargeBlock) return static_cast<T*>(AllocateLarge(bytes));
    return std::allocator<T>().allocate(n);
  }
  void deallocate(T* p, std::size_t n) noexcept {
    const std::size_t bytes = n * sizeof(T);
    if (bytes >= kLargeBlock) {
      FreeLarge(p, bytes);
    } else {
      std::allocator<T>().deallocate(p, n);
    }
  }
  template <typename U>
  bool operator==(const LargeBlockAllocator<U>&) const noexcept {
    return true;
  }
};

// One block of bytes, such as a whole file read at once, whose records
// share it instead of copying their bytes out of it.
class RecordBlock {
 public:
  explicit RecordBlock(std::size_t capacity);
  RecordBlock(const RecordBlock&) = delete;
  RecordBlock& operator=(const RecordBlock&) = delete;
  ~RecordBlock();

  char* Data() noexcept;
  std::size_t Capacity() const noexcept;
  // Makes room for more, keeping the bytes; only before any record shares
  // the block.
  void Grow(std::size_t capacity);
  // A record of the bytes at text, which lie inside this block.
  Record Share(std::string_view text) const;

 private:
  Record::Slab* slab_;
};

}  // namespace dru
