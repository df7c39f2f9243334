// Start-up measuring aids: a callback once a window has painted for the first
// time, and a one-line report of when that happened and the peak memory.
#pragma once

#include <functional>

class QWidget;

namespace varuno {

// Runs `then` one event-loop turn after `widget` has handled its first paint
// event, so the painted picture has reached the window system. Runs it once.
void WhenFirstPainted(QWidget& widget, std::function<void()> then);

// The process's peak resident memory (VmHWM) in KiB, or -1 if unknown.
long PeakResidentKiB();

// Writes "startup paint_realtime_ns=<n> vmhwm_kib=<n>" and a newline to
// standard output and flushes it. The time is wall-clock time, so a launching
// script can subtract its own clock reading taken just before the launch.
void PrintStartupReport();

}  // namespace varuno
