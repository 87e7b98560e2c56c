#pragma once
// A document session on the real disk.
#include "model/TestFiles.h"
#include "platform/QtFileStore.h"

namespace zelto::fakes {

using DiskSession = BasicSession<QtFileStore>;

}  // namespace zelto::fakes
