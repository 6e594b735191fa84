# Wine registry and path mapping.
