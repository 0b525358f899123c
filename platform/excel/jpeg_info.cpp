#include "platform/excel/jpeg_info.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace taskvane::excel {

namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void OnError(j_common_ptr info) {
  auto* manager = reinterpret_cast<ErrorManager*>(info->err);
  (*info->err->format_message)(info, manager->message);
  std::longjmp(manager->jump, 1);
}

// Warnings pass, except the one for data that ends early: libjpeg would fill the rest in
// grey, but the picture is damaged.
void OnEmit(j_common_ptr info, int level) {
  if (level < 0 && info->err->msg_code == JWRN_JPEG_EOF) OnError(info);
}

constexpr long long kMaxPixels = 100'000'000;

// Only trivially destructible locals live between setjmp and longjmp; the row buffer is
// owned by the caller.
int Decode(const std::string& bytes, JpegSize& size, std::vector<unsigned char>& row,
           ErrorManager& errors) {
  jpeg_decompress_struct info;
  info.err = jpeg_std_error(&errors.base);
  errors.base.error_exit = OnError;
  errors.base.emit_message = OnEmit;
  if (setjmp(errors.jump)) {
    jpeg_destroy_decompress(&info);
    return 1;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()),
               static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  size.width = static_cast<long>(info.image_width);
  size.height = static_cast<long>(info.image_height);
  if (static_cast<long long>(size.width) * size.height > kMaxPixels) {
    jpeg_destroy_decompress(&info);
    return 2;
  }
  jpeg_start_decompress(&info);
  const std::size_t stride = static_cast<std::size_t>(info.output_width) * info.output_components;
  if (row.size() < stride) {  // the caller sizes the buffer for any width libjpeg takes
    jpeg_destroy_decompress(&info);
    return 3;
  }
  while (info.output_scanline < info.output_height) {
    JSAMPROW line = row.data();
    jpeg_read_scanlines(&info, &line, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return 0;
}

}  // namespace

std::optional<JpegSize> ReadJpeg(const std::string& bytes, std::string& reason) {
  if (bytes.size() < 4 || static_cast<unsigned char>(bytes[0]) != 0xFF ||
      static_cast<unsigned char>(bytes[1]) != 0xD8) {
    reason = "JPEG 그림이 아닙니다.";
    return std::nullopt;
  }
  ErrorManager errors{};
  JpegSize size;
  // Enough for the widest picture libjpeg accepts (65,500 pixels of up to 4 components).
  std::vector<unsigned char> row(65536 * 4);
  switch (Decode(bytes, size, row, errors)) {
    case 0:
      if (size.width <= 0 || size.height <= 0) break;
      return size;
    case 2:
      reason = "그림이 너무 큽니다.";
      return std::nullopt;
    default:
      break;
  }
  reason = std::string("JPEG 그림을 읽을 수 없습니다") +
           (errors.message[0] != '\0' ? std::string(" (") + errors.message + ")." : ".");
  return std::nullopt;
}

}  // namespace taskvane::excel
