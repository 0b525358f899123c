#include "platform/project/mpp/compound_file.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-input.h>

#include <cstring>

namespace taskvane::project::mpp {
namespace {

constexpr std::uint8_t kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

struct ObjectRelease {
  void operator()(gpointer object) const {
    if (object != nullptr) g_object_unref(object);
  }
};
using InputPtr = std::unique_ptr<GsfInput, ObjectRelease>;
using InfilePtr = std::unique_ptr<GsfInfile, ObjectRelease>;

// The entry at `path` below `root`, or null.
InputPtr Find(GsfInfile* root, std::string_view path) {
  InputPtr current;
  GsfInfile* directory = root;
  while (!path.empty()) {
    const size_t slash = path.find('/');
    const std::string name(path.substr(0, slash));
    path = slash == std::string_view::npos ? std::string_view() : path.substr(slash + 1);
    if (directory == nullptr) return nullptr;
    InputPtr child(gsf_infile_child_by_name(directory, name.c_str()));
    if (!child) return nullptr;
    current = std::move(child);
    directory = GSF_IS_INFILE(current.get()) ? GSF_INFILE(current.get()) : nullptr;
  }
  return current;
}

}  // namespace

struct CompoundFile::Handle {
  InputPtr source;
  InfilePtr root;
};

bool HasCompoundFileSignature(std::span<const std::uint8_t> bytes) {
  return bytes.size() >= sizeof kSignature &&
         std::memcmp(bytes.data(), kSignature, sizeof kSignature) == 0;
}

std::optional<CompoundFile> CompoundFile::Open(std::span<const std::uint8_t> bytes) {
  if (!HasCompoundFileSignature(bytes)) return std::nullopt;
  auto handle = std::make_unique<Handle>();
  handle->source.reset(gsf_input_memory_new(bytes.data(), static_cast<gsf_off_t>(bytes.size()),
                                            /*needs_free=*/FALSE));
  if (!handle->source) return std::nullopt;
  GError* error = nullptr;
  handle->root.reset(gsf_infile_msole_new(handle->source.get(), &error));
  if (error != nullptr) g_error_free(error);
  if (!handle->root) return std::nullopt;
  return CompoundFile(std::move(handle));
}

CompoundFile::CompoundFile(std::unique_ptr<Handle> handle) : handle_(std::move(handle)) {}
CompoundFile::CompoundFile(CompoundFile&&) noexcept = default;
CompoundFile& CompoundFile::operator=(CompoundFile&&) noexcept = default;
CompoundFile::~CompoundFile() = default;

std::vector<std::string> CompoundFile::RootNames() const {
  std::vector<std::string> names;
  const int count = gsf_infile_num_children(handle_->root.get());
  for (int i = 0; i < count; ++i) {
    const char* name = gsf_infile_name_by_index(handle_->root.get(), i);
    if (name != nullptr) names.emplace_back(name);
  }
  return names;
}

bool CompoundFile::Has(std::string_view path) const {
  return Find(handle_->root.get(), path) != nullptr;
}

std::optional<std::vector<std::uint8_t>> CompoundFile::ReadStream(std::string_view path,
                                                                  std::size_t max_bytes) const {
  InputPtr input = Find(handle_->root.get(), path);
  if (!input) return std::nullopt;
  // Streams are infiles too, without children (-1); a storage has no bytes of its own.
  if (GSF_IS_INFILE(input.get()) && gsf_infile_num_children(GSF_INFILE(input.get())) >= 0) {
    return std::nullopt;
  }
  const gsf_off_t size = gsf_input_size(input.get());
  if (size < 0 || static_cast<unsigned long long>(size) > max_bytes) return std::nullopt;
  std::vector<std::uint8_t> bytes(static_cast<size_t>(size));
  if (size > 0 && gsf_input_read(input.get(), bytes.size(), bytes.data()) == nullptr) {
    return std::nullopt;
  }
  return bytes;
}

}  // namespace taskvane::project::mpp
