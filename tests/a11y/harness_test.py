"""The harness's own rules, without a desktop: how Orca's debug log is read,
how phrases match what was said, how speech is split into steps, and that
CTest runs every case of the table."""

import os
import sys

sys.dont_write_bytecode = True  # keeps the source tree free of __pycache__

import unittest  # noqa: E402

from cases import CASES  # noqa: E402
from desktop import Mark, Utterance, parse_speech  # noqa: E402
from hearing import Case, Step, failures, never, once, rx, said, spoken_form, split_by_step  # noqa: E402

# Lines as Orca 43 writes them, with the lines around them.
LOG = """\
10:59:17.646777 - SPEECH: Last spoke 3.7954 seconds ago
10:59:17.646802 - SPEECH OUTPUT: '1e999'{'established': False}
10:59:17.646889 - SETTINGS MANAGER: Setting runtime settings.
10:59:16.743968 - SPEECH OUTPUT: 'tab ' {'established': False}
                  'PAUSE'
10:59:18.000001 - SPEECH OUTPUT: 'Heading' voice=uppercase{'average-pitch': 7.0, 'established': False}
10:59:18.100000 - SPEECH OUTPUT: 'first line
                  second line'{'established': False}
10:59:18.200000 - SPEECH OUTPUT: 'it's {odd}'{'established': False}
10:59:18.300000 - SPEECH OUTPUT: 'slower'
"""


class ReadingOrcasLog(unittest.TestCase):
    def test_each_utterance_with_its_time_and_without_the_voice(self):
        spoken = parse_speech(LOG)
        self.assertEqual([u.text for u in spoken],
                         ["1e999", "tab ", "Heading", "first line\nsecond line", "it's {odd}", "slower"])
        self.assertAlmostEqual(spoken[0].at, 10 * 3600 + 59 * 60 + 17.646802, places=6)

    def test_lines_that_only_quote_speech_are_not_speech(self):
        self.assertEqual(parse_speech("                  'PAUSE'\nSPEECH OUTPUT: 'x'\n"), [])


class Phrases(unittest.TestCase):
    def test_spoken_form_drops_pauses_but_keeps_decimal_points(self):
        self.assertEqual(spoken_form(" Percent (%) combo box.  Source unit."), "percent (%) combo box source unit")
        self.assertEqual(spoken_form("notification -16.990 Decibel (dB)."), "notification -16.990 decibel (db)")
        self.assertEqual(spoken_form("Run-time error: Overflow."), "run-time error overflow")
        self.assertEqual(spoken_form("1,234.5, then"), "1,234.5 then")

    def test_said_needs_every_phrase_in_order(self):
        heard = spoken_form("Percent (%) combo box. Source unit.")
        self.assertIsNone(said("Percent (%) combo box", "Source unit").check(heard))
        self.assertIsNotNone(said("Source unit", "Percent (%) combo box").check(heard))
        self.assertIsNotNone(said("Decibel (dB)").check(heard))

    def test_whole_words_and_whole_numbers_only(self):
        self.assertIsNotNone(said("Decimal").check(spoken_form("Decimals")))
        self.assertIsNotNone(said("2.000 Decibel").check(spoken_form("12.000 Decibel")))
        self.assertIsNotNone(said("-16.990").check(spoken_form("16.990")))
        self.assertIsNotNone(said("16.99").check(spoken_form("16.990")))

    def test_once_and_never_count(self):
        heard = spoken_form("notification 2.000 Decibel (dB). notification 2.000 Decibel (dB)")
        self.assertIsNotNone(once("notification").check(heard))
        self.assertIsNone(once("notification").check(spoken_form("notification 1")))
        self.assertIsNotNone(never("Decibel").check(heard))
        self.assertIsNone(never("Percent").check(heard))

    def test_regular_expressions_search_the_spoken_form(self):
        heard = spoken_form("Notification -16.990 Decibel.")
        self.assertIsNone(said(rx(r"notification -\d+\.\d{3} decibel")).check(heard))
        self.assertIsNotNone(said(rx(r"notification \d+\.\d{3} decibel")).check(heard))


class Steps(unittest.TestCase):
    def test_speech_belongs_to_the_action_it_followed(self):
        case = Case("c", "", Step("type 2", said("2")), Step("Tab Tab", said("Swap")), Step("Return", said("x")))
        marks = [Mark(100.0, "type 2"), Mark(101.0, "Tab"), Mark(102.0, "Tab"), Mark(103.0, "Return")]
        spoken = [Utterance(99.0, "Screen reader on."), Utterance(100.5, "2"), Utterance(101.5, "Target"),
                  Utterance(102.5, "Swap push button"), Utterance(103.5, "x"), Utterance(105.0, "Screen reader off.")]
        heard, after = split_by_step(case, marks, spoken, began_at=98.0, stopped_at=104.0)
        self.assertEqual([[u.text for u in part.utterances] for part in heard],
                         [["Screen reader on."], ["2"], ["Target", "Swap push button"], ["x"]])
        self.assertEqual([u.text for u in after], ["Screen reader off."])
        self.assertEqual(failures(heard), [])

    def test_a_run_that_passes_midnight(self):
        case = Case("c", "", Step("Tab", said("after midnight")))
        heard, _ = split_by_step(case, [Mark(86399.5, "Tab")], [Utterance(0.25, "after midnight")],
                                 began_at=86390.0, stopped_at=1.0)
        self.assertEqual(failures(heard), [])

    def test_a_missing_phrase_is_reported_with_its_step(self):
        case = Case("c", "", Step("Tab", said("Percent (%) combo box")))
        heard, _ = split_by_step(case, [Mark(10.0, "Tab")], [Utterance(10.5, "Source unit combo box.")],
                                 began_at=0.0, stopped_at=20.0)
        self.assertEqual(failures(heard), [(1, "did not hear 'Percent (%) combo box'")])


class Registration(unittest.TestCase):
    def test_ctest_runs_every_case_once(self):
        registered = os.environ.get("METROVA_A11Y_REGISTERED")
        if registered is None:
            self.skipTest("METROVA_A11Y_REGISTERED is set by CTest, with the cases it registered")
        names = [case.name for case in CASES]
        self.assertEqual(len(names), len(set(names)), "two cases share a name")
        self.assertEqual(sorted(registered.split(",")), sorted(f"a11y.{name}" for name in names))


if __name__ == "__main__":
    unittest.main()
