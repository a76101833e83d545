/* The least a command-line tool for a model file must do, written as plainly
 * as C allows: read the file, read its fifteen numbers and print twenty
 * lines. No C++ runtime, no iostreams: the yardstick cli_timer measures
 * cgcalc-cli against.
 * Usage: c_reader MODEL.dat */
#include <stdio.h>
#include <stdlib.h>

enum { kFieldCount = 15, kOutputLines = 20 };

int main(int argc, char** argv) {
  if (argc != 2) {
    fputs("usage: c_reader MODEL.dat\n", stderr);
    return 2;
  }
  FILE* in = fopen(argv[1], "rb");
  if (in == NULL) {
    fprintf(stderr, "cannot open %s\n", argv[1]);
    return 1;
  }
  double values[kFieldCount] = {0};
  char line[256];
  for (int i = 0; i < kFieldCount && fgets(line, sizeof line, in) != NULL; ++i) values[i] = strtod(line, NULL);
  fclose(in);
  for (int i = 0; i < kOutputLines; ++i) printf("Line%d\t%.1f\n", i, values[i % kFieldCount]);
  return fflush(stdout) == 0 ? 0 : 1;
}
