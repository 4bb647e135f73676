# Makes the Python module's help for each field of the record from the record's header: every
# field's line there ends in a comment with its meaning, unit and types, which becomes the
# docstring, so that the two never drift apart.
#   cmake -DIN=src/model/connection_record.h -DOUT=field_docs.inc -P field_docs.cmake
# writes one ZORPI_FIELD(name, "comment") line per field, in the header's order.
cmake_minimum_required(VERSION 3.25)
file(STRINGS ${IN} lines)
set(fields "")
set(inside FALSE)
foreach(line IN LISTS lines)
  if(line MATCHES "^struct ConnectionRecord \\{")
    set(inside TRUE)
  elseif(line MATCHES "^};")
    set(inside FALSE)
  elseif(inside AND line MATCHES "^  (std::int32_t|double) ([A-Za-z0-9]+) = 0; +// (.*)$")
    string(REPLACE "\\" "\\\\" doc "${CMAKE_MATCH_3}")
    string(REPLACE "\"" "\\\"" doc "${doc}")
    string(APPEND fields "ZORPI_FIELD(${CMAKE_MATCH_2}, \"${doc}\")\n")
  endif()
endforeach()
if(fields STREQUAL "")
  message(FATAL_ERROR "no field with its comment in ${IN}")
endif()
file(WRITE ${OUT} "${fields}")
