// Qt's messages while the application object connects to the window system.
// When no window system can be reached, Qt reports it as a fatal error and
// aborts (a core dump, status 134). While a StartupMessages object lives,
// such a fatal error instead prints one line saying what went wrong and what
// to try, and ends the program with status 1; the warnings Qt gives on the
// way there are held back, and passed on unchanged once start-up succeeded.
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
