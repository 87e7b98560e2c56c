#pragma once
// Resident memory of this process, for the memory figures of the benchmarks: the current
// size and the peak since the last reset, read from /proc (Linux; zero elsewhere).
#include <cstddef>
#include <fstream>
#include <string>

#ifdef __GLIBC__
#include <malloc.h>
#endif

namespace zelto::bench {

namespace detail {

// A "Name:   1234 kB" line of /proc/self/status, in bytes.
inline std::size_t StatusBytes(const std::string& name) {
  std::ifstream status("/proc/self/status");
  std::string key;
  std::size_t kilobytes = 0;
  while (status >> key) {
    if (key == name + ":") {
      status >> kilobytes;
      return kilobytes * 1024;
    }
    std::getline(status, key);
  }
  return 0;
}

}  // namespace detail

// Gives freed heap memory back to the system, so that the next figures start from what is
// really in use, and makes the peak start again from the current size.
inline void ResetPeakMemory() {
#ifdef __GLIBC__
  malloc_trim(0);
#endif
  std::ofstream("/proc/self/clear_refs") << "5";
}

inline std::size_t CurrentMemory() { return detail::StatusBytes("VmRSS"); }
inline std::size_t PeakMemory() { return detail::StatusBytes("VmHWM"); }

inline double Megabytes(std::size_t bytes) {
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

}  // namespace zelto::bench
