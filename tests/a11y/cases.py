"""What a screen-reader user hears: one table per case.

Each case starts a fresh program, whose window opens with the focus in the
value box (Text1), and Orca. A step is the action, then what Orca must say
before the next action (see hearing.py for said/once/never/rx and how
phrases are compared). Units are those of the first category, Optics; the
window opens converting Percent to Decibel with 3 decimal places.
"""

from hearing import Case, Step, once, said

# The value box, as Orca presents it on focus: its purpose, then its role.
VALUE_BOX = "Value to convert text"

CASES = (
    Case("tab_through",
         "Tab visits every control and comes back to the value box; each says its purpose and role, "
         "a list also its current entry",
         Step(None, said(VALUE_BOX)),
         Step("Tab", said("Percent (%) combo box", "Source unit")),
         Step("Tab", said("Decibel (dB) combo box", "Target unit")),
         Step("Tab", said("Swap push button", "Exchange the source and target units")),
         Step("Tab", said("Quit push button")),
         Step("Tab", said("Decimal", "selected radio button", "Result with a fixed number of decimal places")),
         Step("Tab", said("Optics combo box", "Category")),
         Step("Tab", said("Decimal places text")),
         Step("Tab", said(VALUE_BOX))),

    Case("result",
         "A value and Enter: the result and its unit are announced, once",
         Step("type 2"),
         # 2 % transmittance is -16.990 dB.
         Step("Return", once("notification -16.990 Decibel (dB)"), once("notification"))),

    Case("unit_pick",
         "Down in the source list: the list's purpose, its new entry and the new result are announced, "
         "then the focus is back in the value box",
         Step("type 2"),
         Step("Return"),
         Step("Tab", said("Source unit")),
         # Orca 43 speaks all it is given between two key presses, in order, so
         # the announcement and the value box may come in either order.
         Step("Down", said("notification Source unit Decibel (dB) 2.000 Decibel (dB)"), said(VALUE_BOX),
              once("notification"))),

    Case("swap_space",
         "Space on Swap: the swapped result is announced, once",
         Step("type 2"),
         Step("Return"),
         Step("Tab Tab Tab", said("Swap push button")),
         # Decibel to Percent takes +2 dB as -2 dB: 63.096 %.
         Step("space", once("notification Decibel (dB) to Percent (%) 63.096 Percent (%)"), once("notification"))),

    Case("swap_enter",
         "Enter on Swap presses it as Space does: the swapped result is announced, once",
         Step("type 2"),
         Step("Return"),
         Step("Tab Tab Tab", said("Swap push button")),
         Step("Return", once("notification Decibel (dB) to Percent (%) 63.096 Percent (%)"), once("notification"))),

    Case("notation_down",
         "Down on the Decimal button selects Scientific, announces the result in scientific notation and "
         "leaves the focus in the value box, where typing 5 and Enter converts 5",
         Step("type 2"),
         Step("Return"),
         Step("Tab Tab Tab Tab Tab", said("Decimal", "selected radio button")),
         Step("Down", once("notification Scientific notation -1.70E+01 Decibel (dB)"), once("notification")),
         # Typed into the value box, whose text the focus selected: 5 % is -13.010 dB.
         Step("type 5"),
         Step("Return", once("notification -1.30E+01 Decibel (dB)"), once("notification"))),

    Case("overflow_error",
         "A number too large to read and Enter: the error box is announced with its text",
         Step("type 1e999"),
         Step("Return", said("alert", "Run-time error: Overflow"))),
)
