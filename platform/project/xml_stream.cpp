#include "platform/project/xml_stream.h"

#include <expat.h>

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace taskvane::project {
namespace {

// The bytes handed to the parser at a time: it copies only a token cut at the end of a
// piece, so its buffer stays near this size whatever the size of the document. The
// parser reads a token that does not end in the piece again from its start with each
// further piece, so while pieces bring no event (a long comment or tag) they grow: the
// time to read a long token stays proportional to its length.
constexpr std::size_t kPieceBytes = 64 << 10;
constexpr std::size_t kMaxPieceBytes = 16 << 20;

// What the parser of the running ReadXml has allocated. Expat's memory functions take no
// context, so they reach the budget of the parse on their thread through `tls_memory`,
// which ReadXml sets for as long as its parser exists.
struct ParserMemory {
  std::size_t used = 0;
  std::size_t limit = 0;
  bool over_limit = false;

  bool Take(std::size_t bytes) {
    if (bytes > limit - used) {
      over_limit = true;
      return false;
    }
    used += bytes;
    return true;
  }
};
thread_local ParserMemory* tls_memory = nullptr;

// Each block carries its size in front, so that freeing it returns the bytes.
constexpr std::size_t kHeaderBytes = alignof(std::max_align_t);

std::size_t BlockSize(void* block) {
  std::size_t size = 0;
  std::memcpy(&size, block, sizeof size);
  return size;
}

void* Allocate(std::size_t size) {
  if (!tls_memory->Take(size)) return nullptr;
  void* block = std::malloc(size + kHeaderBytes);
  if (block == nullptr) {
    tls_memory->used -= size;
    return nullptr;
  }
  std::memcpy(block, &size, sizeof size);
  return static_cast<char*>(block) + kHeaderBytes;
}

void Free(void* pointer) {
  if (pointer == nullptr) return;
  void* block = static_cast<char*>(pointer) - kHeaderBytes;
  tls_memory->used -= BlockSize(block);
  std::free(block);
}

void* Reallocate(void* pointer, std::size_t size) {
  if (pointer == nullptr) return Allocate(size);
  void* block = static_cast<char*>(pointer) - kHeaderBytes;
  const std::size_t old_size = BlockSize(block);
  if (size > old_size && !tls_memory->Take(size - old_size)) return nullptr;
  void* moved = std::realloc(block, size + kHeaderBytes);
  if (moved == nullptr) {
    if (size > old_size) tls_memory->used -= size - old_size;
    return nullptr;
  }
  if (size < old_size) tls_memory->used -= old_size - size;
  std::memcpy(moved, &size, sizeof size);
  return static_cast<char*>(moved) + kHeaderBytes;
}

std::string_view LocalName(const char* qualified) {
  std::string_view name = qualified;
  const std::size_t colon = name.find(':');
  return colon == std::string_view::npos ? name : name.substr(colon + 1);
}

bool AllBlank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

struct ParserDeleter {
  void operator()(XML_Parser parser) const { XML_ParserFree(parser); }
};
using ParserPointer = std::unique_ptr<XML_ParserStruct, ParserDeleter>;

// One reading of a document: turns the parser's callbacks into the visitor's elements
// and keeps, for each open element, where its text starts in `texts_`.
class Reading {
 public:
  Reading(XML_Parser parser, XmlVisitor& visitor, ParserMemory& memory)
      : parser_(parser), visitor_(visitor), memory_(memory) {
    XML_SetUserData(parser, this);
    XML_SetElementHandler(parser, &Reading::OnStart, &Reading::OnEnd);
    XML_SetCharacterDataHandler(parser, &Reading::OnText);
    XML_SetCdataSectionHandler(parser, &Reading::OnCdataStart, &Reading::OnCdataEnd);
    XML_SetCommentHandler(parser, &Reading::OnComment);
    XML_SetProcessingInstructionHandler(parser, &Reading::OnInstruction);
    XML_SetEntityDeclHandler(parser, &Reading::OnEntityDeclaration);
  }

  // How many callbacks the parser has made so far.
  std::size_t events() const { return events_; }
  bool root_seen() const { return root_seen_; }
  bool entity_declared() const { return entity_declared_; }
  void RethrowFailure() const {
    if (failure_) std::rethrow_exception(failure_);
  }

 private:
  struct OpenElement {
    bool wanted = false;
    bool found = false;  // its text is texts_[begin..]
    std::size_t begin = 0;
  };

  // The callbacks come from C: nothing may be thrown through the parser, so a visitor's
  // exception stops it and is kept for ReadXml.
  template <class F>
  static void Guarded(void* self, F&& step) {
    auto& reading = *static_cast<Reading*>(self);
    ++reading.events_;
    if (reading.failure_ || reading.entity_declared_) return;
    try {
      step(reading);
    } catch (...) {
      reading.failure_ = std::current_exception();
      XML_StopParser(reading.parser_, XML_FALSE);
    }
  }

  // Markup ends the stretch of text being gathered: it becomes the element's text unless
  // it is all blanks.
  void EndStretch(bool cdata) {
    if (open_.empty()) return;
    OpenElement& element = open_.back();
    if (!element.wanted || element.found) return;
    if (cdata || !AllBlank(std::string_view(texts_).substr(element.begin))) {
      element.found = true;
    } else {
      texts_.resize(element.begin);
    }
  }

  static void XMLCALL OnStart(void* self, const XML_Char* name, const XML_Char** attributes) {
    Guarded(self, [&](Reading& r) {
      r.EndStretch(false);
      r.root_seen_ = true;
      const int depth = static_cast<int>(r.open_.size()) + 1;
      const XML_Index offset = XML_GetCurrentByteIndex(r.parser_);
      const bool wanted = r.visitor_.StartElement(LocalName(name), depth,
                                                  offset < 0 ? 0 : static_cast<std::size_t>(offset),
                                                  XmlAttributes(name, attributes));
      r.open_.push_back({wanted, false, r.texts_.size()});
    });
  }

  static void XMLCALL OnEnd(void* self, const XML_Char* name) {
    Guarded(self, [&](Reading& r) {
      r.EndStretch(false);
      const OpenElement element = r.open_.back();
      r.open_.pop_back();
      const std::string_view text =
          element.found ? std::string_view(r.texts_).substr(element.begin) : std::string_view();
      r.visitor_.EndElement(LocalName(name), static_cast<int>(r.open_.size()) + 1, text);
      r.texts_.resize(element.begin);
    });
  }

  // The texts gathered count against the parser's memory limit, as its own memory does.
  static void XMLCALL OnText(void* self, const XML_Char* text, int length) {
    Guarded(self, [&](Reading& r) {
      if (r.open_.empty() || r.memory_.over_limit) return;
      const OpenElement& element = r.open_.back();
      if (!element.wanted || element.found) return;
      const auto size = static_cast<std::size_t>(length);
      if (r.texts_.size() + size > r.memory_.limit - r.memory_.used) {
        r.memory_.over_limit = true;
        XML_StopParser(r.parser_, XML_FALSE);
        return;
      }
      r.texts_.append(text, size);
    });
  }

  static void XMLCALL OnCdataStart(void* self) {
    Guarded(self, [](Reading& r) { r.EndStretch(false); });
  }
  static void XMLCALL OnCdataEnd(void* self) {
    Guarded(self, [](Reading& r) { r.EndStretch(true); });
  }
  static void XMLCALL OnComment(void* self, const XML_Char*) {
    Guarded(self, [](Reading& r) { r.EndStretch(false); });
  }
  static void XMLCALL OnInstruction(void* self, const XML_Char*, const XML_Char*) {
    Guarded(self, [](Reading& r) { r.EndStretch(false); });
  }

  // Entities of the document's own would be expanded by the parser: no schedule declares
  // any, and refusing them keeps expansion from multiplying the text.
  static void XMLCALL OnEntityDeclaration(void* self, const XML_Char*, int, const XML_Char*, int,
                                          const XML_Char*, const XML_Char*, const XML_Char*,
                                          const XML_Char*) {
    auto& r = *static_cast<Reading*>(self);
    if (r.entity_declared_) return;
    r.entity_declared_ = true;
    XML_StopParser(r.parser_, XML_FALSE);
  }

  XML_Parser parser_;
  XmlVisitor& visitor_;
  ParserMemory& memory_;
  std::size_t events_ = 0;
  std::vector<OpenElement> open_;
  std::string texts_;  // the texts of the open elements, innermost last
  bool root_seen_ = false;
  bool entity_declared_ = false;
  std::exception_ptr failure_;
};

// Sets the memory budget of this thread's parse, and gives back the one before.
class MemoryScope {
 public:
  explicit MemoryScope(ParserMemory& memory) : previous_(tls_memory) { tls_memory = &memory; }
  ~MemoryScope() { tls_memory = previous_; }
  MemoryScope(const MemoryScope&) = delete;
  MemoryScope& operator=(const MemoryScope&) = delete;

 private:
  ParserMemory* previous_;
};

}  // namespace

std::string_view XmlAttributes::Find(std::string_view name) const {
  for (const char* const* pair = pairs_; pair != nullptr && *pair != nullptr; pair += 2) {
    if (name == pair[0]) return pair[1];
  }
  return {};
}

std::string_view XmlAttributes::OwnNamespace() const {
  const size_t colon = tag_name_.find(':');
  if (colon == std::string_view::npos) return Find("xmlns");
  return Find("xmlns:" + std::string(tag_name_.substr(0, colon)));
}

XmlResult ReadXml(const char* data, std::size_t size, XmlVisitor& visitor,
                  std::size_t parser_memory_limit) {
  ParserMemory memory;
  memory.limit = parser_memory_limit;
  const MemoryScope scope(memory);  // outlives the parser, which frees its memory last
  const XML_Memory_Handling_Suite functions{&Allocate, &Reallocate, &Free};
  ParserPointer parser(XML_ParserCreate_MM(nullptr, &functions, nullptr));
  if (!parser) return {memory.over_limit ? XmlStatus::kTooDemanding : XmlStatus::kOutOfMemory};
  Reading reading(parser.get(), visitor, memory);

  XML_Status status = XML_STATUS_OK;
  std::size_t done = 0;
  std::size_t piece = kPieceBytes;
  do {
    piece = std::min(piece, size - done);
    const bool last = done + piece == size;
    const std::size_t events_before = reading.events();
    status = XML_Parse(parser.get(), data + done, static_cast<int>(piece), last);
    done += piece;
    piece = reading.events() == events_before ? std::min(2 * piece, kMaxPieceBytes) : kPieceBytes;
  } while (status == XML_STATUS_OK && done < size);

  reading.RethrowFailure();
  if (status == XML_STATUS_OK) return {};
  if (reading.entity_declared()) return {XmlStatus::kEntityDeclaration};
  if (memory.over_limit) return {XmlStatus::kTooDemanding};
  const XML_Error error = XML_GetErrorCode(parser.get());
  if (error == XML_ERROR_NO_MEMORY) return {XmlStatus::kOutOfMemory};
  if (!reading.root_seen()) return {XmlStatus::kNotXml};
  const XML_Index offset = XML_GetCurrentByteIndex(parser.get());
  return {XmlStatus::kMalformed, offset < 0 ? 0 : static_cast<std::size_t>(offset)};
}

}  // namespace taskvane::project
