"""What Debian's Orca says while the calculator is used without sight.

Runs the calculator and Orca on the X server named by VARUNO_TEST_X11_DISPLAY
(skips without it, or without Orca) and types real key presses.
Usage: orca_speech_test.py PROGRAM [unittest options]
       orca_speech_test.py PROGRAM --transcript   (prints what Orca says)
"""

import os
import shutil
import signal
import sys
import unittest

from orca_session import OrcaSession

PROGRAM = None
DISPLAY = os.environ.get("VARUNO_TEST_X11_DISPLAY", "")

# Each scenario: a name and its steps, a step being the keys it taps.
SUM = [("1 2 3 4", ["1", "2", "3", "4"]), ("+", ["equal"]), ("5", ["5"]), ("Enter", ["Return"])]
DIGITS = [("7", ["7"]), ("1 0 0", ["1", "0", "0"])]
TAB_ROUND = [("Tab %d" % n, ["Tab"]) for n in range(1, 6)]
MEMORY_ADD = [("5 0 0", ["5", "0", "0"]), ("Ctrl+M", ["Control_L+m"]), ("Tab", ["Tab"]),
              ("Ctrl+Z", ["Control_L+z"])]
LARGE_NUMBER = [("1 2 3 4 5", ["1", "2", "3", "4", "5"]), ("+", ["equal"])] + TAB_ROUND[:3]
KEYPAD_SUM = [("KP 1 2 3 4", ["KP_1", "KP_2", "KP_3", "KP_4"]), ("KP +", ["KP_Add"]),
              ("KP 5", ["KP_5"]), ("KP Enter", ["KP_Enter"])]


# Keys typed as fast as XTest sends them: the main keyboard's = (held by the
# screen reader for a moment) then keypad keys, which must not overtake it.
QUICK = "quickly"
MIXED_SUM = [("1 2", ["1", "2"]), ("= KP 5 KP Enter", [QUICK, "equal", "KP_5", "KP_Enter"])]


def run(steps, laptop_layout=False):
    """What Orca said after each step, as a list of (step name, utterances)."""
    with OrcaSession(PROGRAM, DISPLAY, laptop_layout=laptop_layout) as session:
        session.mark()
        heard = []
        for name, keys in steps:
            if keys and keys[0] == QUICK:
                session.keys(*keys[1:], pause=0)
            else:
                session.keys(*keys)
            heard.append((name, session.said_since_mark()))
        return heard


def spoken(heard, step):
    return " | ".join(dict(heard)[step])


class ResultsSpoken(unittest.TestCase):
    def test_a_sum_speaks_the_running_result_and_the_total_once(self):
        heard = run(SUM)
        self.assertIn("1,234", spoken(heard, "+"))
        total = dict(heard)["Enter"]
        self.assertEqual(sum(text.count("1,239") for text in total), 1, total)
        # The window's name is not read before every result.
        self.assertNotIn("바루노 계산기", spoken(heard, "Enter"))

    def test_a_digit_is_spoken_once_without_its_tooltip(self):
        heard = run(DIGITS)
        said = dict(heard)["7"]
        self.assertNotIn("7 (7)", " ".join(said))
        self.assertEqual(sum(text.count("7") for text in said), 1, said)
        # The second 0 moves no focus (its button has it already) and is
        # heard by its name all the same.
        said = dict(heard)["1 0 0"]
        self.assertNotIn("0 (0)", " ".join(said))
        self.assertEqual(sum(text.count("0") for text in said), 2, said)

    def test_a_memory_add_by_its_key_speaks_the_new_total(self):
        heard = run(MEMORY_ADD)
        self.assertIn("합계 500", spoken(heard, "Ctrl+M"))
        # The focus stays on the button: the list is not announced.
        self.assertNotIn("메모리 목록", spoken(heard, "Ctrl+M"))
        # Into the list, its selected row (the total) is read.
        self.assertIn("메모리 목록", spoken(heard, "Tab"))
        self.assertIn("합계 500", spoken(heard, "Tab"))
        # Undone, the total that came back is heard.
        self.assertIn("합계 0", spoken(heard, "Ctrl+Z"))

    def test_the_keypad_reaches_the_calculator_under_either_layout(self):
        for laptop in (False, True):
            heard = run(KEYPAD_SUM, laptop_layout=laptop)
            self.assertIn("1,234", spoken(heard, "KP +"), laptop)
            self.assertIn("1,239", spoken(heard, "KP Enter"), laptop)

    def test_keypad_keys_never_overtake_a_key_typed_before_them(self):
        heard = run(MIXED_SUM)
        self.assertIn("17", spoken(heard, "= KP 5 KP Enter"))


class ControlsSpeakWhatTheyHold(unittest.TestCase):
    def test_a_tab_round_names_each_stop_and_what_it_holds(self):
        heard = run(SUM + TAB_ROUND)
        # From the = button the round goes: memory list, tape, display, logo,
        # homepage; the list is empty, the tape ends with the total.
        self.assertIn("메모리 목록", spoken(heard, "Tab 1"))
        self.assertIn("1,239", spoken(heard, "Tab 2"))
        self.assertIn("표시창", spoken(heard, "Tab 3"))
        self.assertIn("1,239", spoken(heard, "Tab 3"))
        self.assertIn("로고", spoken(heard, "Tab 4"))
        self.assertIn("홈페이지", spoken(heard, "Tab 5"))

    def test_the_display_reads_a_large_number_by_man_groups_once(self):
        heard = run(LARGE_NUMBER)
        said = spoken(heard, "Tab 3")
        self.assertIn("표시창 12,345", said)
        self.assertEqual(said.count("1만 2,345"), 1, said)


def transcript():
    for title, steps, laptop in (("1 2 3 4 + 5 Enter", SUM, False),
                                 ("7, then 1 0 0", DIGITS, False),
                                 ("Tab round after the sum", SUM + TAB_ROUND, False),
                                 ("memory add by its key, then undone", MEMORY_ADD, False),
                                 ("a large number, Tab to the display", LARGE_NUMBER, False),
                                 ("keypad sum, desktop layout", KEYPAD_SUM, False),
                                 ("keypad sum, laptop layout", KEYPAD_SUM, True),
                                 ("main = then keypad keys, typed at once", MIXED_SUM, False)):
        print("##", title)
        for name, said in run(steps, laptop):
            print("  %-10s %s" % (name, " | ".join(said) if said else "(nothing)"))


if __name__ == "__main__":
    # Ended from outside (a test timeout), the sessions still take their
    # processes down.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(143))
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    if not DISPLAY or shutil.which("orca") is None:
        print("skipped: needs VARUNO_TEST_X11_DISPLAY and Debian's orca")
        sys.exit(77)
    if "--transcript" in sys.argv:
        transcript()
        sys.exit(0)
    unittest.main()
