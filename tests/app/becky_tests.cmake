# Tests of Becky discovery and the Becky record.
