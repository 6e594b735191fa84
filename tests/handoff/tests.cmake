# Tests of the hand-off to Becky.
