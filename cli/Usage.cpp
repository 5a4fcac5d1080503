#include "Usage.h"

#include "SearchTable.h"

namespace kestrow::cli {

std::string UsageText() {
    return "Usage:\n"
           "  kestrow-cli solve [--algo " + SearchNames() + "] [--mode BP|BM]\n"
           "                    [--json] [--cells] [--repeat N] MAP...\n"
           "  kestrow-cli bench [--repeat N] [--json] MAP...\n"
           "  kestrow-cli xsb MAP OUT\n"
           "  kestrow-cli --help | --version\n"
           "\n"
           "Commands:\n"
           "  solve   run one search on each map file and print what it found\n"
           "  bench   run every search on each map file (the push searches in both modes)\n"
           "          and print a table of the results with the median time\n"
           "  xsb     export a map file as an XSB level\n"
           "\n"
           "Options:\n"
           "  --algo NAME   bfs4 (default), astar4, bfs8: move paths;\n"
           "                push-bfs, push-astar: push paths\n"
           "  --mode BP|BM  push searches: BP fewest pushes, then fewest moves (default);\n"
           "                BM fewest moves, then fewest pushes\n"
           "  --json        one JSON object per line\n"
           "  --cells       also print every cell's result pair (X, Y), row by row\n"
           "  --repeat N    run each search N times and report the median time\n"
           "                (solve: 1, bench: 5)\n"
           "\n"
           "A map file without a size key is read as 60 x 50. Move searches need the start\n"
           "and end points placed, push searches the box as well. Times are in milliseconds.\n"
           "\n"
           "Exit status: 0 when every search found a path, 1 when some found none,\n"
           "2 on bad usage, a bad map file or a point that is not placed.\n";
}

std::string VersionText() { return std::string("kestrow-cli ") + KESTROW_VERSION + "\n"; }

}  // namespace kestrow::cli
