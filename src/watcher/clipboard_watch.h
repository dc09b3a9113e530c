// The clipboard watch: when to look at the clipboard and what is new on it.
// It listens to the system's news of changes (or, where there is none, looks
// at every tick), reads a changed clipboard once by its sequence number, asks
// again for a text its owner keeps back or whose read failed, skips a
// clipboard that another program holds, takes the text present at start-up
// as seen, and tells whether a change is still unread. It hands out a new
// text, or that the clipboard holds none, and nothing else: what a text
// means is the announcement's business.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>

#include "platform/platform.h"
#include "watcher/ignored_programs.h"
#include "watcher/seen_text.h"
#include "watcher/tick_clock.h"

namespace wendora {

// What a look at the clipboard found.
struct ClipboardNews {
  enum class Kind {
    kNothing,      // nothing new
    kHeld,         // another program holds the clipboard: look again at the next tick
    kNoText,       // the clipboard holds no text (emptied, or a picture only)
    kText,         // a text that differs from the one seen last
    kWaitingText,  // the text handed out before that could not be taken then
  };
  static ClipboardNews Of(Kind kind, std::string text = {}, bool look_away = false) {
    ClipboardNews news;
    news.kind = kind;
    news.text = std::move(text);
    news.look_away = look_away;
    return news;
  }

  Kind kind = Kind::kNothing;
  std::string text;
  // Its owner asked watchers to look away (a password manager), or it comes
  // from a program whose copies are not announced: it counts as text that
  // is not recognised, and is never shown or opened.
  bool look_away = false;
};

class ClipboardWatch {
 public:
  // A change whose text has not been read (its owner keeps it back, or the
  // read gives nothing) is asked for again at later looks; after this long
  // it counts as an empty text.
  static constexpr std::int64_t kUnreadChangeLimitMs = 3000;

  // Starts listening, then takes the text on the clipboard now as already
  // seen. The ignored programs are file names separated by ";".
  ClipboardWatch(platform::Platform& platform, TickClock& clock, std::string_view ignored_programs);

  // The system told of a change: it is looked at by the next look, which
  // should come at once.
  std::function<void()> on_changed;

  // One look at the clipboard. A text it hands out must be answered with
  // Handled before the next look.
  ClipboardNews Look();
  // Whether the text just handed out was taken: then it counts as seen.
  // Otherwise it is handed out again, as a waiting text, at each later look
  // while the clipboard keeps it; only a short text (a command word) can
  // wait, a long one is never kept and counts as seen.
  void Handled(bool taken);

  // Whether the watch must look again at the next tick, whatever else
  // happens: there is no listener, news waits, a read is pending, being
  // retried or held, the text of the start is unread, or a text waits.
  bool HasWork() const;
  // Whether a change newer than the text seen last has not been read yet
  // (and does not yet count as empty text): a countdown then does not run
  // out by itself, since that change may end or replace the banner.
  bool NewerChangeUnread() const { return unread_ && !unread_->counted_as_empty; }

  // The clipboard text seen last.
  const SeenText& LastClipboardText() const { return LastClipboardText_; }
  // The file name of the program whose copy was read last; empty when it
  // could not be told.
  const std::string& LastCopyProgram() const { return last_copy_program_; }
  // The programs whose copies are not announced, from now on.
  void SetIgnoredPrograms(std::string_view list) { ignored_programs_ = IgnoredPrograms(list); }

 private:
  ClipboardNews ReadChangedClipboard(std::uint32_t sequence, bool notified);
  // A text read from the clipboard, new if it differs from the text seen
  // last (a private one always is).
  ClipboardNews NewText(platform::ClipboardText clip);

  platform::Platform& platform_;
  TickClock& clock_;
  IgnoredPrograms ignored_programs_;
  std::unique_ptr<platform::ClipboardListener> listener_;
  SeenText LastClipboardText_;
  std::string last_copy_program_;
  // The text handed out last, until it is handled (its copy only when it is
  // short); and a text that waits to be taken.
  std::optional<SeenText> handed_out_;
  std::optional<std::string> handed_out_text_;
  std::optional<std::string> waiting_;
  // The clipboard's sequence number at start-up while its text is unread.
  std::optional<std::uint32_t> start_sequence_;
  // The system told of a change that no look has seen yet.
  bool change_noticed_ = false;
  // The last look found the clipboard held by another program.
  bool held_ = false;
  // The clipboard's sequence number at the last full look, and whether it
  // held text then: an unchanged clipboard is not read again.
  std::uint32_t seen_sequence_ = 0;
  bool seen_has_text_ = false;
  // The change whose text has not been read yet: since when, and whether it
  // already counts as an empty text while its owner still keeps it back.
  struct UnreadChange {
    std::int64_t since = 0;
    std::uint32_t sequence = 0;
    bool counted_as_empty = false;
  };
  std::optional<UnreadChange> unread_;
};

}  // namespace wendora
