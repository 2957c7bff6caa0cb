# Filled in with the install rules and the package.
