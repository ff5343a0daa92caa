#include "record.h"

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
  char* Bytes() noexcept { return reinterpret_cast<char*>(this + 1); }
};

Record::Slab* Record::NewSlab(std::size_t capacity) {
  void* memory = ::operator new(sizeof(Slab) + capacity);
  return new (memory) Slab{1, capacity, 0};
}

void Record::Release(Slab* slab) noexcept {
  if (slab != nullptr && --slab->refs == 0) {
    slab->~Slab();
    ::operator delete(slab);
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
