"""What a screen-reader user hears: one table per case.

Each case starts a fresh program, whose window opens with the focus in the
value box, and Orca. A step is the action, then what Orca must say
before the next action (see hearing.py for said/once/never/rx and how
phrases are compared). Units are those of the first category, Optics; the
window opens converting Percent to Decibel with 3 decimal places.
"""

from hearing import Case, Step, never, once, rx, said

# The value box, as Orca presents it on focus: its purpose, then its role.
VALUE_BOX = "Value to convert text"
# Orca 43 says "Swap push button", Orca 48 "Swap button".
SWAP = rx(r"swap (push )?button")
# The spin control's middle, in the window.
SPIN = "441,237"

CASES = (
    Case("tab_through",
         "Tab visits every control and comes back to the value box; each says its purpose and role, "
         "a list also its current entry",
         Step(None, said(VALUE_BOX)),
         Step("Tab", said("Percent (%) combo box", "Source unit")),
         Step("Tab", said("Decibel (dB) combo box", "Target unit")),
         Step("Tab", said(SWAP, "Exchange the source and target units")),
         Step("Tab", said(rx(r"quit (push )?button"))),
         # The buttons' group is named (Orca 48 names it, Orca 43 does not),
         # not after the window.
         Step("Tab", said("Decimal", "selected radio button", "Result with a fixed number of decimal places"),
              never("HALVERN")),
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
         Step("Tab Tab Tab", said(SWAP)),
         # Decibel to Percent takes +2 dB as -2 dB: 63.096 %.
         Step("space", once("notification Decibel (dB) to Percent (%) 63.096 Percent (%)"), once("notification"))),

    Case("swap_enter",
         "Enter on Swap presses it as Space does: the swapped result is announced, once",
         Step("type 2"),
         Step("Return"),
         Step("Tab Tab Tab", said(SWAP)),
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

    Case("copy_result",
         "F9 copies the result and says so, once: the visible sign that it shows is not heard; the value box's "
         "menu offers Copy Result first",
         Step("type 2"),
         Step("Return", once("notification -16.990 Decibel (dB)")),
         Step("F9", once("notification Result copied: -16.990"), once("copied")),
         Step("Menu Down", said("Copy Result")),
         Step("Return", once("notification Result copied: -16.990"))),

    Case("overflow_error",
         "A number too large to read and Enter: the error box is announced whole, the failure and why",
         Step("type 1e999"),
         Step("Return", said("alert", "Run-time error: Overflow",
                             "The number typed is larger in size than 1.7976931348623157E+308, the largest there is"),
              once("Run-time error"))),

    Case("value_whole_after_pick",
         "After a pick the focus is back in the value box, which is read with its whole value",
         Step("type 12345"),
         Step("Return"),
         Step("Tab Tab", said("Target unit")),
         Step("Down", said(VALUE_BOX, "12345 selected"))),

    Case("failed_pick_then_places",
         "A pick that fails is heard through its error box; a step of the places in that state shows the error "
         "again and announces no result, least of all in the unit of the failed pick",
         Step("type 50"),
         Step("Return", said("notification -3.010 Decibel (dB)")),
         # The logarithm of 0: Percent to Optical Density fails.
         Step("type 0"),
         Step("Tab Tab Down",
              said("alert", "Run-time error: Invalid argument",
                   "0 Percent (%) has no value in Optical Density (OD), which needs a Percent (%) value other than 0"),
              never(rx(r"\d optical density"))),
         Step("Return", said(VALUE_BOX)),
         Step("Tab Tab Tab Tab Tab Tab Tab", said("Decimal places text")),
         Step("Up", said("alert", "Run-time error: Invalid argument"), never("notification"))),

    Case("failed_swap",
         "A Swap that fails is heard through the pair it chose and its error box, with no result",
         Step("Tab Down", said("Source unit Decibel (dB)")),
         Step("Tab Tab Up", said("Target unit Percent (%)")),
         Step("type 0"),
         Step("Return", said("notification 100.000 Percent (%)")),
         Step("Tab Tab Tab", said(SWAP)),
         # Percent to Decibel takes the logarithm of 0; on the way the pair was
         # Decibel to Decibel, which showed 0.000.
         Step("space", said("notification Percent (%) to Decibel (dB)"),
              said("alert", "Run-time error: Invalid argument"), never("0.000"))),

    Case("wheel_one_box",
         "Three notches of the wheel over the spin control in a failing state show one error box",
         Step("type 0"),
         Step("Return", said("alert", "Run-time error: Invalid argument")),
         Step("Return", said(VALUE_BOX)),
         # The box's button has the focus. (Orca 43 may take the box for the
         # active window on the wheel's button event and not say "alert".)
         Step(f"wheel 3 at {SPIN}", said(rx(r"ok (push )?button")), never("notification")),
         # Closed, no second box follows: the focus is back in the value box.
         Step("Return", never("alert"), said(VALUE_BOX))),
)
