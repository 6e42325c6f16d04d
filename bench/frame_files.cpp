// Writes a generated storeys x bays frame as a system file and a load file,
// for timing whole batch runs of the program on it.
// Usage: frame_files storeys bays system-file load-file
#include "bench/FrameGenerator.h"
#include "model/CLocale.h"
#include "model/Message.h"
#include "model/ModelFiles.h"

#include <algorithm>
#include <cstdio>

int main(int argc, char **argv) {
  if (argc != 5) {
    std::fputs("usage: frame_files storeys bays system-file load-file\n", stderr);
    return 2;
  }
  FrameSpec spec;
  spec.storeys = std::max(1, static_cast<int>(AtolC(argv[1])));
  spec.bays = std::max(1, static_cast<int>(AtolC(argv[2])));
  const FrameSize size = GenerateFrame(spec);
  try {
    WriteSystemFile(argv[3]);
    WriteLoadFile(argv[4]);
  } catch (const Exception &fault) {
    std::fprintf(stderr, "frame_files: %s\n", fault.what());
    return 1;
  }
  std::printf("%d storeys x %d bays: %d nodes, %d beams\n", spec.storeys, spec.bays, size.nodes,
              size.beams);
  return 0;
}
