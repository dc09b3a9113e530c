// Threads and their locks in the system's own terms: a slim reader/writer
// lock, a condition variable and a detached thread. The standard library's
// versions go through a POSIX layer that costs the program a tenth of its
// size.
#pragma once

#include <windows.h>

#include <functional>

namespace wendora::win32 {

// A lock, held for the life of a Held.
class Lock {
 public:
  Lock() = default;
  Lock(const Lock&) = delete;
  Lock& operator=(const Lock&) = delete;
  void lock() { ::AcquireSRWLockExclusive(&lock_); }
  void unlock() { ::ReleaseSRWLockExclusive(&lock_); }
  SRWLOCK* native() { return &lock_; }

 private:
  SRWLOCK lock_ = SRWLOCK_INIT;
};

// Holds a lock from its making to its end; it can let go of it for a while.
class Held {
 public:
  explicit Held(Lock& lock) : lock_(lock) { lock_.lock(); }
  ~Held() {
    if (held_) {
      lock_.unlock();
    }
  }
  Held(const Held&) = delete;
  Held& operator=(const Held&) = delete;
  void unlock() {
    lock_.unlock();
    held_ = false;
  }
  void lock() {
    lock_.lock();
    held_ = true;
  }
  Lock& mutex() { return lock_; }

 private:
  Lock& lock_;
  bool held_ = true;
};

// Waits for a condition under a Lock; the lock is let go while it waits.
class Condition {
 public:
  Condition() = default;
  Condition(const Condition&) = delete;
  Condition& operator=(const Condition&) = delete;

  // Waits until the predicate holds, or at most that many milliseconds
  // (INFINITE: for as long as it takes); whether it holds.
  template <typename Predicate>
  bool WaitFor(Held& held, DWORD milliseconds, Predicate holds) {
    const DWORD start = ::GetTickCount();
    while (!holds()) {
      DWORD left = INFINITE;
      if (milliseconds != INFINITE) {
        const DWORD passed = ::GetTickCount() - start;
        if (passed >= milliseconds) {
          return false;
        }
        left = milliseconds - passed;
      }
      ::SleepConditionVariableSRW(&condition_, held.mutex().native(), left, 0);
    }
    return true;
  }
  void NotifyOne() { ::WakeConditionVariable(&condition_); }
  void NotifyAll() { ::WakeAllConditionVariable(&condition_); }

 private:
  CONDITION_VARIABLE condition_ = CONDITION_VARIABLE_INIT;
};

// Runs the work on a thread of its own, which nobody waits for; it must
// catch what it throws. Raises a run-time error when no thread can be made.
void StartDetachedThread(std::function<void()> work);

}  // namespace wendora::win32
