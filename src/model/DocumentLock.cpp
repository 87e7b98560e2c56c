#include "model/DocumentLock.h"

namespace zelto {

std::string LockFileName(const std::string& identity) {
  const std::size_t slash = identity.find_last_of('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  return identity.substr(0, nameStart) + "." + identity.substr(nameStart) + ".lock";
}

}  // namespace zelto
