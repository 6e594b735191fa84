# Window-side parts of the body field and the composition tools.
