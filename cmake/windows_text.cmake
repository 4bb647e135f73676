# Copies a text with Windows line ends (CRLF), refusing any byte that is not plain ASCII, so
# that Notepad and cmd's `type` show it as written.
# Usage: cmake -DIN=text -DOUT=text.txt -P windows_text.cmake
cmake_minimum_required(VERSION 3.25)

file(READ ${IN} text)
if(NOT text MATCHES "^[\t\n -~]*$")
  message(FATAL_ERROR "${IN} holds more than plain ASCII")
endif()
string(REPLACE "\r\n" "\n" text "${text}")
string(REPLACE "\n" "\r\n" text "${text}")
file(WRITE ${OUT} "${text}")
