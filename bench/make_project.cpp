// Writes a synthetic TADS project for the whole-process benchmarks:
//   brisvane_make_project DIR MEGABYTES FILES
#include <QString>
#include <cstdio>
#include <cstdlib>

#include "bench/synthetic_source.h"

int main(int argc, char* argv[]) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s DIR MEGABYTES FILES\n", argv[0]);
    return 2;
  }
  const qint64 bytes = std::atoll(argv[2]) * 1024 * 1024;
  const int files = std::atoi(argv[3]);
  const qint64 written = writeSyntheticProject(QString::fromLocal8Bit(argv[1]), files, bytes);
  std::printf("%lld bytes in %d files\n", static_cast<long long>(written), files);
  return written > 0 ? 0 : 1;
}
