// Note tests.
