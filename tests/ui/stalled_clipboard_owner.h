// A program that owns the X server's clipboard and has stopped answering:
// a second connection to the server that takes the clipboard and then never
// reads its events, only counts the requests that reach it.
#pragma once

#include <memory>

namespace varuno::test {

class StalledClipboardOwner {
 public:
  // Connects to `display` and takes its clipboard; Owns() tells whether both worked.
  explicit StalledClipboardOwner(const char* display);
  ~StalledClipboardOwner();
  StalledClipboardOwner(const StalledClipboardOwner&) = delete;
  StalledClipboardOwner& operator=(const StalledClipboardOwner&) = delete;

  bool Owns() const;
  // The requests for the clipboard's contents that came in so far, unanswered.
  int Requests();

 private:
  struct Connection;
  std::unique_ptr<Connection> m_connection;
};

}  // namespace varuno::test
