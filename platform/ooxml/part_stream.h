#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

namespace taskvane::ooxml {

// The content of one package part while it is written: text appended to Text() goes on to
// the compressor whenever Drain() finds a piece's worth waiting, so that a part of any size
// is never held whole. Writers call Drain() between elements; the package flushes the rest
// when the writer returns.
class PartStream {
 public:
  using Sink = std::function<void(std::string_view)>;
  static constexpr std::size_t kPiece = std::size_t{1} << 16;

  explicit PartStream(Sink sink) : sink_(std::move(sink)) { text_.reserve(kPiece + kPiece / 2); }
  PartStream(const PartStream&) = delete;
  PartStream& operator=(const PartStream&) = delete;

  std::string& Text() { return text_; }
  void Drain() {
    if (text_.size() >= kPiece) Flush();
  }
  // Hands on everything waiting.
  void Flush() {
    if (text_.empty()) return;
    sink_(text_);
    text_.clear();
  }

 private:
  Sink sink_;
  std::string text_;
};

}  // namespace taskvane::ooxml
