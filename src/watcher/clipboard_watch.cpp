#include "watcher/clipboard_watch.h"

#include <utility>

#include "base/runtime_error.h"

namespace wendora {

ClipboardWatch::ClipboardWatch(platform::Platform& platform, TickClock& clock,
                               std::string_view ignored_programs)
    : platform_(platform),
      clock_(clock),
      ignored_programs_(ignored_programs),
      // Listening starts before the first look, so that no later change
      // goes unheard.
      listener_(platform.ListenToClipboard()) {
  if (listener_) {
    listener_->on_changed = [this] {
      change_noticed_ = true;
      if (on_changed) {
        on_changed();
      }
    };
  }
  // A clipboard that another program holds counts as empty: its text is
  // announced once it can be read. Text that its owner keeps back, or whose
  // read fails, is still the text of the start: when a later look reads it
  // from the same clipboard, it is taken as seen.
  try {
    const std::uint32_t sequence = platform_.ClipboardSequenceNumber();
    platform::ClipboardText clip = platform_.ReadClipboardText();
    if (clip.status == platform::ClipboardRead::kText) {
      LastClipboardText_ = SeenText(clip.text);
      seen_sequence_ = sequence;
      seen_has_text_ = true;
    } else if (clip.status == platform::ClipboardRead::kNoText) {
      seen_sequence_ = sequence;
    } else if (sequence != 0) {
      start_sequence_ = sequence;
    }
  } catch (const RuntimeError& error) {
    if (error.number() != kErrCantOpenClipboard) {
      throw;
    }
    held_ = true;
  }
}

bool ClipboardWatch::HasWork() const {
  return !listener_ || change_noticed_ || held_ || unread_ || start_sequence_ || waiting_;
}

ClipboardNews ClipboardWatch::Look() {
  const bool notified = std::exchange(change_noticed_, false);
  held_ = false;
  // An unchanged clipboard is neither read nor compared again, so a look
  // costs the same whatever the size of the text.
  const std::uint32_t sequence = platform_.ClipboardSequenceNumber();
  if (sequence == 0 || sequence != seen_sequence_) {
    waiting_.reset();
    try {
      return ReadChangedClipboard(sequence, notified);
    } catch (const RuntimeError& error) {
      // Another program holds the clipboard: look again at the next tick.
      if (error.number() != kErrCantOpenClipboard) {
        throw;
      }
      held_ = true;
      return ClipboardNews::Of(ClipboardNews::Kind::kHeld);
    }
  }
  if (!seen_has_text_) {
    return ClipboardNews::Of(ClipboardNews::Kind::kNoText);
  }
  if (waiting_) {
    handed_out_ = SeenText(*waiting_);
    handed_out_text_ = waiting_;
    return ClipboardNews::Of(ClipboardNews::Kind::kWaitingText, *waiting_);
  }
  return {};
}

void ClipboardWatch::Handled(bool taken) {
  if (!handed_out_) {
    return;
  }
  if (taken || !handed_out_text_) {
    LastClipboardText_ = std::move(*handed_out_);
    waiting_.reset();
  } else {
    waiting_ = std::move(handed_out_text_);
  }
  handed_out_.reset();
  handed_out_text_.reset();
}

ClipboardNews ClipboardWatch::ReadChangedClipboard(std::uint32_t sequence, bool notified) {
  platform::ClipboardText clip = platform_.ReadClipboardText();
  if (clip.status == platform::ClipboardRead::kPending ||
      clip.status == platform::ClipboardRead::kFailed) {
    // The program that owns the clipboard has not handed the text over yet
    // (it may hang), or the read gave none: later looks ask again. A new
    // change (a new sequence number, or news of one where the system has no
    // numbers) has a time of its own.
    if (!unread_ || unread_->sequence != sequence || (notified && sequence == 0)) {
      unread_ = UnreadChange{clock_.Now(), sequence, false};
    }
    if (clock_.Now() - unread_->since < kUnreadChangeLimitMs) {
      return {};
    }
    if (clip.status == platform::ClipboardRead::kPending) {
      // Too long: it counts as an empty text once, which ends a banner
      // unless that is the text seen last; its text is still handed out if
      // it comes.
      if (unread_->counted_as_empty || LastClipboardText_.Matches("")) {
        unread_->counted_as_empty = true;
        return {};
      }
      unread_->counted_as_empty = true;
      handed_out_ = SeenText();
      handed_out_text_.reset();
      return ClipboardNews::Of(ClipboardNews::Kind::kText);
    }
    clip.text.clear();  // a read that keeps failing is an empty text, not read again
  }
  unread_.reset();
  seen_sequence_ = sequence;
  seen_has_text_ = clip.status != platform::ClipboardRead::kNoText;
  if (clip.status == platform::ClipboardRead::kNoText) {
    // The text seen last stays as it was.
    return ClipboardNews::Of(ClipboardNews::Kind::kNoText);
  }
  if (start_sequence_) {
    const bool still_the_start = *start_sequence_ == sequence;
    start_sequence_.reset();
    if (still_the_start && clip.status == platform::ClipboardRead::kText) {
      last_copy_program_ = clip.owner_program;
      LastClipboardText_ = SeenText(clip.text);
      return {};
    }
  }
  return NewText(std::move(clip));
}

ClipboardNews ClipboardWatch::NewText(platform::ClipboardText clip) {
  last_copy_program_ = clip.owner_program;
  SeenText seen(clip.text);  // a long text's fingerprint is taken once
  // Text that its owner (a password manager) asked not to be watched is
  // handed out even when it is the text seen last, so that it ends a banner.
  if (!clip.private_content && seen == LastClipboardText_) {
    return {};
  }
  handed_out_ = std::move(seen);
  if (clip.text.size() <= SeenText::kKeptWhole) {
    handed_out_text_ = clip.text;
  } else {
    handed_out_text_.reset();
  }
  const bool look_away = clip.private_content || ignored_programs_.Contains(clip.owner_program);
  return ClipboardNews::Of(ClipboardNews::Kind::kText, std::move(clip.text), look_away);
}

}  // namespace wendora
