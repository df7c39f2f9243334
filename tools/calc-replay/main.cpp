// calc-replay: reads control clicks, memory-list selections and display
// focus changes from standard input, one per line, runs each through the
// command table exactly as the main window does, and after each prints the
// display, the tape view, the memory list and its selection, and what a
// screen reader hears, as a line of JSON. Lines it cannot read are reported on standard error and skipped;
// the exit code is 1 if there was any. If the output cannot be written the
// tool stops at once with exit code 1; if reading the input fails it stops
// after answering the lines read so far, with exit code 2.
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>

#include "line_reader.h"
#include "replay_command.h"
#include "replay_session.h"
#include "state_json.h"

namespace {

// Flushes standard output; false, with a message, if the output is lost.
// errno is cleared before the write, so what it holds then is the cause.
bool FlushOutput() {
  std::cout.flush();
  if (std::cout) {
    return true;
  }
  const int error = errno;
  std::cerr << "calc-replay: cannot write the output";
  if (error != 0) {
    std::cerr << ": " << std::strerror(error);
  }
  std::cerr << '\n';
  return false;
}

}  // namespace

int main() {
  using namespace varuno::replay;
  std::ios::sync_with_stdio(false);

  ReplaySession session;
  LineReader reader(*std::cin.rdbuf());
  ScriptLine line;
  std::uint64_t lineNumber = 0;
  bool anyBad = false;

  while (reader.Next(line)) {
    ++lineNumber;
    errno = 0;
    const ReplayCommand command = ParseScriptLine(line);
    if (command.kind == ReplayKind::Skip) {
      continue;
    }
    if (command.kind == ReplayKind::Bad) {
      anyBad = true;
      if (!FlushOutput()) {  // keep the two streams in step for a reader of both
        return 1;
      }
      std::cerr << "calc-replay: line " << lineNumber << ": " << command.error << '\n';
      continue;
    }
    session.Run(command);
    std::cout << StateJson(session.View(), session.Spoken()) << '\n';
    if (!FlushOutput()) {
      return 1;
    }
  }
  if (!reader.ReadError().empty()) {
    std::cerr << "calc-replay: cannot read the input after line " << lineNumber << ": "
              << reader.ReadError() << '\n';
    return 2;
  }
  return anyBad ? 1 : 0;
}
