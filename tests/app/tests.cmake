# Window tests.
