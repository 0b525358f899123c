#include "tests/project/compound_edit.h"

#include <gsf/gsf-infile-msole.h>
#include <gsf/gsf-infile.h>
#include <gsf/gsf-input-memory.h>
#include <gsf/gsf-outfile-msole.h>
#include <gsf/gsf-outfile.h>
#include <gsf/gsf-output-memory.h>

#include <memory>
#include <vector>

namespace taskvane::project::testing {
namespace {

struct Unref {
  void operator()(gpointer object) const {
    if (object != nullptr) g_object_unref(object);
  }
};
template <class T>
using Ref = std::unique_ptr<T, Unref>;

bool CopyChildren(GsfInfile* from, GsfOutfile* to, const std::string& prefix,
                  const StreamEdit& edit) {
  const int count = gsf_infile_num_children(from);
  for (int i = 0; i < count; ++i) {
    const std::string name = gsf_infile_name_by_index(from, i);
    Ref<GsfInput> child(gsf_infile_child_by_index(from, i));
    if (!child) return false;
    const std::string path = prefix + name;
    const bool storage =
        GSF_IS_INFILE(child.get()) && gsf_infile_num_children(GSF_INFILE(child.get())) >= 0;
    if (storage) {
      Ref<GsfOutput> out(gsf_outfile_new_child(to, name.c_str(), TRUE));
      if (!CopyChildren(GSF_INFILE(child.get()), GSF_OUTFILE(out.get()), path + "/", edit)) {
        return false;
      }
      gsf_output_close(out.get());
      continue;
    }
    std::string bytes(static_cast<std::size_t>(gsf_input_size(child.get())), '\0');
    if (!bytes.empty() && gsf_input_read(child.get(), bytes.size(),
                                         reinterpret_cast<guint8*>(bytes.data())) == nullptr) {
      return false;
    }
    if (!edit(path, bytes)) continue;
    Ref<GsfOutput> out(gsf_outfile_new_child(to, name.c_str(), FALSE));
    gsf_output_write(out.get(), bytes.size(), reinterpret_cast<const guint8*>(bytes.data()));
    gsf_output_close(out.get());
  }
  return true;
}

}  // namespace

std::string EditCompoundFile(std::string_view bytes, const StreamEdit& edit) {
  Ref<GsfInput> input(gsf_input_memory_new(reinterpret_cast<const guint8*>(bytes.data()),
                                           static_cast<gsf_off_t>(bytes.size()), FALSE));
  Ref<GsfInfile> root(input ? gsf_infile_msole_new(input.get(), nullptr) : nullptr);
  if (!root) return "";
  Ref<GsfOutput> memory(gsf_output_memory_new());
  {
    Ref<GsfOutfile> out(gsf_outfile_msole_new(memory.get()));
    if (!CopyChildren(root.get(), out.get(), "", edit)) return "";
    // Closing the container writes it to the memory sink and closes that too.
    gsf_output_close(GSF_OUTPUT(out.get()));
  }
  const guint8* data = gsf_output_memory_get_bytes(GSF_OUTPUT_MEMORY(memory.get()));
  return std::string(reinterpret_cast<const char*>(data),
                     static_cast<std::size_t>(gsf_output_size(memory.get())));
}

}  // namespace taskvane::project::testing
