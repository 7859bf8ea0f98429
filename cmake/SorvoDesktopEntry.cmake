# Run by `cmake --install`: writes the desktop entry with the launcher's absolute path as the
# prefix is at install time (a menu does not search the prefix's bin/ unless it is on PATH).
# Expects template, output and launcher.
set(path "${launcher}")
# The entry's own rules: reserved characters need quotes, inside which ", `, $ and \ take a
# backslash, every backslash of the value is doubled once more, and % is written %%.
if(path MATCHES "[ \t\n\"'\\\\<>~|&;$*?#()`]")
  string(REPLACE "\\" "\\\\\\\\" path "${path}")
  string(REGEX REPLACE "([\"`$])" "\\\\\\\\\\1" path "${path}")
  set(path "\"${path}\"")
endif()
string(REPLACE "%" "%%" SORVO_EXEC "${path}")
configure_file("${template}" "${output}" @ONLY)
