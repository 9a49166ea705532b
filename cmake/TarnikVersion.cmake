# The file version of the program: the one place it is kept.
set(TARNIK_FILE_VERSION "9.1.0.0")
