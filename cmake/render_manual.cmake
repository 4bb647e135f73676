# Renders the manual page as plain UTF-8 text for readers without man, with Windows line
# ends. Usage: cmake -DGROFF=... -DPAGE=zorpi.1 -DTEXT=zorpi.txt -P render_manual.cmake
execute_process(COMMAND ${GROFF} -man -Tutf8 -P-cbou ${PAGE}
  OUTPUT_VARIABLE text ERROR_VARIABLE warnings RESULT_VARIABLE failed)
if(failed OR warnings)
  message(FATAL_ERROR "groff on ${PAGE}: ${failed} ${warnings}")
endif()
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${TEXT} "${text}")
