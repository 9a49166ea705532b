# cmake -DIN=<utf-8 LF file> -DOUT=<file> -DICONV=<iconv> -P to_windows_text.cmake
# Writes IN as Windows-1250 with CR LF line ends; fails when IN has a character Windows-1250 lacks.
file(READ "${IN}" text)
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
get_filename_component(outdir "${OUT}" DIRECTORY)
file(MAKE_DIRECTORY "${outdir}")
file(WRITE "${OUT}.utf8" "${text}")
execute_process(COMMAND "${ICONV}" -f UTF-8 -t WINDOWS-1250 "${OUT}.utf8"
                OUTPUT_FILE "${OUT}" RESULT_VARIABLE rc)
file(REMOVE "${OUT}.utf8")
if(NOT rc EQUAL 0)
  file(REMOVE "${OUT}")
  message(FATAL_ERROR "${IN}: not convertible to Windows-1250")
endif()
