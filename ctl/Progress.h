#pragma once

#include <QElapsedTimer>
#include <QString>
#include <cstdio>

namespace ctl {

// Progress for a person watching: one line on standard error rewritten in
// place, only when standard error is a terminal and --quiet was not given.
// Errors and warnings are not progress; they always go out (Say).
class Progress {
 public:
  Progress(bool enabled, std::FILE* stream = stderr);
  ~Progress() { clear(); }

  // "Reading parameters  120/2332", in place; at most ten times a second
  // between the first and the last.
  void count(const QString& what, int done, int total);
  // A step of its own ("Calling 10.0.0.5:4700"), in place until the next.
  void step(const QString& text);
  // Takes the line away, before other output.
  void clear();

  bool enabled() const { return enabled_; }

 private:
  void show(const QString& text);

  bool enabled_;
  std::FILE* stream_;
  int shownWidth_ = 0;
  QElapsedTimer sinceShown_;
};

// "tarnelctl: text" on standard error, after the progress line is cleared.
void Say(Progress& progress, const QString& text);
// Text to standard output as it is (UTF-8).
void Print(const QString& text);

}  // namespace ctl
