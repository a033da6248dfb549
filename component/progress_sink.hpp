#pragma once

namespace pelcon {

// What the conversion driver tells a progress bar. A dialog's implementation forwards each call
// to its own thread and waits until it has been handled.
class ProgressSink {
 public:
  virtual ~ProgressSink() = default;
  virtual void SetRange(int minimum, int maximum) = 0;
  virtual void SetPosition(int position) = 0;
  // Repaints the bar at once, so the position shows while the worker keeps going.
  virtual void Redraw() = 0;
};

}  // namespace pelcon
