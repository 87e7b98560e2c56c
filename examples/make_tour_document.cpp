// Writes the tour document to the file named on the command line.
#include <cstdio>
#include <fstream>
#include <iostream>

#include "TourDocument.h"

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::cerr << "usage: make_tour_document OUTPUT.zlt\n";
    return 2;
  }
  const std::string bytes = zelto::TourDocumentBytes();
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.close();
  if (!out) {
    std::cerr << "make_tour_document: cannot write " << argv[1] << "\n";
    return 1;
  }
  return 0;
}
