# Tests of the Wine registry and path mapping.
