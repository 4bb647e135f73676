# Copies a text with Windows line ends (CRLF), refusing any byte that is not plain ASCII, so
# that Notepad and cmd's `type` show it as written. With HELP (doc/help.md), the markers in
# the text become what is made from it in English: @ZORPI_HELP_KEYS@ the keys,
# @ZORPI_HELP_TYPING@ the rules for typing, @ZORPI_HELP@ every symbol, the kinds of loading
# and the notes.
# Usage: cmake -DIN=text -DOUT=text.txt [-DHELP=help.md] -P windows_text.cmake
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/help_texts.cmake)

file(READ ${IN} text)
if(HELP)
  zorpi_help_text(windows ${HELP} help common loading passfeder keilwelle zahnwelle polygon
                  kegel klemm results notes)
  string(REPLACE "@ZORPI_HELP@" "${help}" text "${text}")
  foreach(section keys typing)
    zorpi_help_text(windows ${HELP} help ${section})
    string(TOUPPER ${section} name)
    string(REPLACE "@ZORPI_HELP_${name}@" "${help}" text "${text}")
  endforeach()
endif()
if(NOT text MATCHES "^[\t\n -~]*$")
  message(FATAL_ERROR "${IN} holds more than plain ASCII")
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
