r"""What a case expects to hear, and the check of a transcript against it.

A case is a list of steps; a step is an action (keys or typing) and the
expectations about what Orca says from that action until the next one.
Phrases are compared in their spoken form: letters in any case, any run of
blanks as one, and punctuation dropped (Orca adds full stops where it pauses)
except a point or comma between two digits, so "-16.990" stays strict. A
phrase matches whole words only: "Decimal" is not heard in "Decimals".

    said("Percent (%) combo box", "Source unit")   both heard, in this order
    once("notification")                           heard exactly once
    never("Run-time error")                        not heard
    rx(r"notification -?\d+\.\d{3} decibel")    a regular expression on the spoken form
"""

from __future__ import annotations

import re
from dataclasses import dataclass, field

from desktop import Mark, Utterance


def spoken_form(text: str) -> str:
    text = re.sub(r"(?<!\d)[.,;:!?]|[.,;:!?](?!\d)", " ", text.lower())
    return re.sub(r"\s+", " ", text).strip()


@dataclass(frozen=True)
class rx:
    """A regular expression, searched in the spoken form of what was said."""
    pattern: str

    def compile(self) -> re.Pattern:
        return re.compile(self.pattern, re.IGNORECASE)

    def __str__(self) -> str:
        return f"/{self.pattern}/"


Phrase = str | rx


def _pattern(phrase: Phrase) -> re.Pattern:
    if isinstance(phrase, rx):
        return phrase.compile()
    return re.compile(r"(?<!\w)" + re.escape(spoken_form(phrase)) + r"(?!\w)")


def _show(phrase: Phrase) -> str:
    return str(phrase) if isinstance(phrase, rx) else repr(phrase)


@dataclass(frozen=True)
class said:
    """Every phrase is heard, in the order given."""
    phrases: tuple[Phrase, ...]

    def __init__(self, *phrases: Phrase):
        object.__setattr__(self, "phrases", phrases)

    def check(self, heard: str) -> str | None:
        position = 0
        for i, phrase in enumerate(self.phrases):
            found = _pattern(phrase).search(heard, position)
            if not found:
                if i == 0:
                    return f"did not hear {_show(phrase)}"
                return f"did not hear {_show(phrase)} after {_show(self.phrases[i - 1])}"
            position = found.end()
        return None


@dataclass(frozen=True)
class once:
    """The phrase is heard exactly once."""
    phrase: Phrase

    def check(self, heard: str) -> str | None:
        count = len(_pattern(self.phrase).findall(heard))
        return None if count == 1 else f"heard {_show(self.phrase)} {count} times, not once"


@dataclass(frozen=True)
class never:
    """The phrase is not heard."""
    phrase: Phrase

    def check(self, heard: str) -> str | None:
        return None if not _pattern(self.phrase).search(heard) else f"heard {_show(self.phrase)}"


@dataclass(frozen=True)
class Step:
    """An action and what must be heard until the next action. action is
    None for what is heard before the first key, "type TEXT" to type TEXT,
    "wheel N at X,Y" to turn the mouse wheel N notches (negative: down) with
    the pointer at X,Y in the window, or X key names separated by blanks
    (Tab, Return, space, Down, shift+Tab), pressed one after another."""
    action: str | None
    expect: tuple = ()

    def __init__(self, action: str | None, *expect):
        object.__setattr__(self, "action", action)
        object.__setattr__(self, "expect", expect)


@dataclass(frozen=True)
class Case:
    name: str
    about: str
    steps: tuple[Step, ...]

    def __init__(self, name: str, about: str, *steps: Step):
        object.__setattr__(self, "name", name)
        object.__setattr__(self, "about", about)
        object.__setattr__(self, "steps", steps)


@dataclass
class Heard:
    """The utterances that followed one step's action."""
    step: Step
    reached: bool = True
    utterances: list[Utterance] = field(default_factory=list)

    @property
    def spoken(self) -> str:
        return spoken_form(" ".join(u.text for u in self.utterances))


def split_by_step(case: Case, marks: list[Mark], spoken: list[Utterance], began_at: float,
                  stopped_at: float) -> tuple[list[Heard], list[Utterance]]:
    """Gives each step the utterances from its first key until the next
    step's first key, and what was said before the first key to the start
    step (an empty one when the case has no step for it). What Orca said
    while being stopped is returned apart. marks hold one entry per key press
    or typing, in the order of the steps' actions; all times are seconds
    since a midnight, and a run may pass one."""
    def since_start(at: float) -> float:
        return at - began_at + (86400 if at < began_at - 1 else 0)

    steps = case.steps if case.steps and case.steps[0].action is None else (Step(None), *case.steps)
    starts, i = [], 0
    for step in steps:
        if step.action is None:
            starts.append(float("-inf"))
        elif i < len(marks):
            starts.append(since_start(marks[i].at))
            i += len(_actions(step.action))
        else:
            starts.append(float("inf"))  # not reached: the run failed before
    heard = [Heard(step, start != float("inf")) for step, start in zip(steps, starts)]
    after = []
    for utterance in spoken:
        at = since_start(utterance.at)
        if at >= since_start(stopped_at):
            after.append(utterance)
            continue
        owner = max(index for index, start in enumerate(starts) if at >= start)
        heard[owner].utterances.append(utterance)
    return heard, after


_WHEEL = re.compile(r"wheel (-?\d+) at (\d+),(\d+)")


def _actions(action: str) -> list[str]:
    if action.startswith("type ") or _WHEEL.fullmatch(action):
        return [action]
    return action.split()


def perform(desktop, step: Step) -> None:
    if step.action is None:
        return
    if step.action.startswith("type "):
        desktop.type(step.action[len("type "):])
        return
    wheel = _WHEEL.fullmatch(step.action)
    if wheel:
        desktop.wheel(*(int(number) for number in wheel.groups()))
        return
    for key in step.action.split():
        desktop.press(key)


def failures(heard: list[Heard]) -> list[tuple[int, str]]:
    """Each expectation not met, with the number of its step."""
    found = []
    for number, part in enumerate(heard):
        for expectation in part.step.expect:
            problem = expectation.check(part.spoken)
            if problem:
                found.append((number, problem))
    return found
