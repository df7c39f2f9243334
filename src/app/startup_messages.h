// Qt's messages while the application object connects to the window system.
// When no window system can be reached, Qt reports it as a fatal error and
// aborts (a core dump, status 134). While a StartupMessages object lives,
// such a fatal error instead ends the program with status 1: where the
// display server cannot be reached, with one line saying so and what to try;
// otherwise (a platform plugin missing or broken) with Qt's own words. The
// warnings Qt gives on the way are held back, and passed on unchanged once
// start-up succeeded.
#pragma once

namespace varuno {

class StartupMessages {
 public:
  StartupMessages();
  ~StartupMessages();

  StartupMessages(const StartupMessages&) = delete;
  StartupMessages& operator=(const StartupMessages&) = delete;
};

// The line printed when the window system cannot be reached.
const char* NoDisplayMessage();

}  // namespace varuno
