#include "platform/StandardOutput.h"

#include <cstdio>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace zelto {

bool WriteStandardOutput(std::string_view bytes) {
#ifdef _WIN32
  // The text mode of the C runtime would turn every LF into CR LF.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  const std::size_t written = std::fwrite(bytes.data(), 1, bytes.size(), stdout);
  return std::fflush(stdout) == 0 && written == bytes.size() && !std::ferror(stdout);
}

}  // namespace zelto
