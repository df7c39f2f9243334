// calc-replay: reads control clicks, memory-list selections and display
// focus changes from standard input, one per line, runs each through the
// command table exactly as the main window does, and after each prints the
// display, the tape view, the memory list and its selection as a line of
// JSON. Lines it cannot read are reported on standard error and skipped;
// the exit code is 1 if there was any.
#include <cstdint>
#include <cstdio>
#include <iostream>
#include <string>

#include "line_reader.h"
#include "replay_command.h"
#include "replay_session.h"
#include "state_json.h"

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
    const ReplayCommand command = ParseScriptLine(line);
    if (command.kind == ReplayKind::Skip) {
      continue;
    }
    if (command.kind == ReplayKind::Bad) {
      anyBad = true;
      std::cout.flush();  // keep the two streams in step for a reader of both
      std::cerr << "calc-replay: line " << lineNumber << ": " << command.error << '\n';
      continue;
    }
    session.Run(command);
    std::cout << StateJson(session.View()) << '\n';
    std::cout.flush();
  }
  return anyBad ? 1 : 0;
}
