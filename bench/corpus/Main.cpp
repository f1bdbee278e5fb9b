// vorla_corpus KIND SIZE [SEED]: writes a benchmark corpus to standard output.
//   text      clipboard text: Japanese sentences and addresses in every form
//   list      a list file: comments, pauses of 0, addresses, commands
//   comments  a list file of comment lines only
//   line      one comment line of SIZE bytes, without a line end
// SIZE is a byte count, or a number followed by K (1024 bytes) or M (1024 K).
#include <cstdio>
#include <cstdlib>
#include <string>

#include "Corpus.h"

int main(int argc, char** argv) {
  if (argc < 3 || argc > 4) {
    std::fprintf(stderr, "usage: vorla_corpus text|list|comments|line SIZE [SEED]\n");
    return 2;
  }
  std::string kind = argv[1];
  std::size_t size = Corpus::ParseSize(argv[2]);
  std::uint64_t seed = argc == 4 ? std::strtoull(argv[3], nullptr, 10) : 1;
  std::string text;
  if (kind == "text") {
    text = Corpus::OfSize(Corpus::Kind::Text, size, seed);
  } else if (kind == "list") {
    text = Corpus::OfSize(Corpus::Kind::List, size, seed);
  } else if (kind == "comments") {
    text = Corpus::OfSize(Corpus::Kind::Comments, size, seed);
  } else if (kind == "line") {
    text = Corpus::OneLongLine(size, seed);
  } else {
    std::fprintf(stderr, "unknown kind: %s\n", kind.c_str());
    return 2;
  }
  return std::fwrite(text.data(), 1, text.size(), stdout) == text.size() ? 0 : 1;
}
