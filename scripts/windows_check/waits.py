"""Bounded waits: every wait of the check ends, with what it waited for."""
import time

POLL = 0.1


class Timeout(AssertionError):
    pass


def wait_until(condition, seconds, what="the condition"):
    """Returns the condition's first true value; fails after `seconds`,
    saying `what` (a text, or a function giving it at that moment)."""
    deadline = time.monotonic() + seconds
    while True:
        value = condition()
        if value:
            return value
        if time.monotonic() > deadline:
            told = what() if callable(what) else what
            raise Timeout(f"{told}: not within {seconds} s")
        time.sleep(POLL)


def holds_for(condition, seconds):
    """Whether the condition stays true for `seconds`: for what must not
    happen, which no event announces."""
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        if not condition():
            return False
        time.sleep(POLL)
    return True
