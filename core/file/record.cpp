#include "core/file/record.h"

#include <sys/mman.h>

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

namespace dru {

// The bytes follow the header in the same allocation.
struct Record::Slab {
  std::size_t refs;
  std::size_t capacity;
  std::size_t used;
  bool mapped;  // a large block of its own pages, see NewSlab
  char* Bytes() noexcept { return reinterpret_cast<char*>(this + 1); }
};

namespace {
#ifdef MADV_POPULATE_WRITE
constexpr int kPopulateWrite = MADV_POPULATE_WRITE;
#else
constexpr int kPopulateWrite = 23;  // as Linux numbers it
#endif
}  // namespace

void* AllocateLarge(std::size_t bytes) {
  void* memory = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (memory == MAP_FAILED) throw std::bad_alloc();
  madvise(memory, bytes, MADV_HUGEPAGE);
  madvise(memory, bytes, kPopulateWrite);  // before Linux 5.14 pages come on first use
  return memory;
}

void FreeLarge(void* memory, std::size_t bytes) noexcept {
  munmap(memory, bytes);
}

Record::Slab* Record::NewSlab(std::size_t capacity) {
  const std::size_t bytes = sizeof(Slab) + capacity;
  // A whole large file: faulting its pages in one by one while the file is
  // read would cost more than reading it.
  if (bytes >= kLargeBlock) return new (AllocateLarge(bytes)) Slab{1, capacity, 0, true};
  return new (::operator new(bytes)) Slab{1, capacity, 0, false};
}

void Record::Release(Slab* slab) noexcept {
  if (slab != nullptr && --slab->refs == 0) {
    const bool mapped = slab->mapped;
    const std::size_t bytes = sizeof(Slab) + slab->capacity;
    slab->~Slab();
    if (mapped) {
      FreeLarge(slab, bytes);
    } else {
      ::operator delete(slab);
    }
  }
}

Record::Record(std::string_view text) : size_(text.size()) {
  if (text.empty()) return;  // the empty record needs no storage
  slab_ = NewSlab(text.size());
  slab_->used = text.size();
  std::memcpy(slab_->Bytes(), text.data(), text.size());
  data_ = slab_->Bytes();
}

Record::Record(const Record& other) noexcept
    : slab_(other.slab_), data_(other.data_), size_(other.size_) {
  if (slab_ != nullptr) ++slab_->refs;
}

Record::Record(Record&& other) noexcept
    : slab_(std::exchange(other.slab_, nullptr)),
      data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)) {}

Record& Record::operator=(Record other) noexcept {
  std::swap(slab_, other.slab_);
  std::swap(data_, other.data_);
  std::swap(size_, other.size_);
  return *this;
}

Record::~Record() {
  Release(slab_);
}

RecordBlock::RecordBlock(std::size_t capacity) : slab_(Record::NewSlab(capacity)) {}

RecordBlock::~RecordBlock() {
  Record::Release(slab_);
}

char* RecordBlock::Data() noexcept {
  return slab_->Bytes();
}

std::size_t RecordBlock::Capacity() const noexcept {
  return slab_->capacity;
}

void RecordBlock::Grow(std::size_t capacity) {
  Record::Slab* larger = Record::NewSlab(capacity);
  std::memcpy(larger->Bytes(), slab_->Bytes(), std::min(capacity, slab_->capacity));
  Record::Release(slab_);
  slab_ = larger;
}

Record RecordBlock::Share(std::string_view text) const {
  if (text.empty()) return Record();
  Record record;
  record.slab_ = slab_;
  ++slab_->refs;
  record.data_ = text.data();
  record.size_ = text.size();
  return record;
}

}  // namespace dru
