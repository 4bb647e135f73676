# Makes the facts of doc/help.md into the texts that carry them: the browser page's help
# (HTML, German), the manual page's sections (groff, English) and the Windows text (plain
# ASCII, English). doc/help.md says how it is laid out.
#
#   zorpi_help_text(<page|manual|windows> SOURCE OUTPUT_VARIABLE [SECTION id...])
#
# sets OUTPUT_VARIABLE to the text of the sections named (all of them when none are named),
# in the order of the file, with the rows of `typing` and `notes` that are for that format.
# Each format has its own functions, named zorpi_help_<format>_<what>: a section's frame, and
# a row of each kind of section (keys, texts, loading, symbols). Scripts that include this set
# cmake_minimum_required first.

# The kind of section `id` is, which names its columns.
function(zorpi_help_kind id out)
  if(id STREQUAL "keys" OR id STREQUAL "loading")
    set(${out} ${id} PARENT_SCOPE)
  elseif(id STREQUAL "typing" OR id STREQUAL "notes")
    set(${out} texts PARENT_SCOPE)
  else()
    set(${out} symbols PARENT_SCOPE)
  endif()
endfunction()

# Sets `out` to `text` cut into lines of at most 78 characters: the first after `first`, the
# others after `indent`.
function(zorpi_help_wrap text first indent out)
  string(REPLACE " " ";" words "${text}")
  set(result "")
  set(line "")
  set(lead "${first}")
  foreach(word IN LISTS words)
    string(LENGTH "${lead}${line} ${word}" length)
    if(line STREQUAL "")
      set(line "${word}")
    elseif(length GREATER 78)
      string(APPEND result "${lead}${line}\n")
      set(lead "${indent}")
      set(line "${word}")
    else()
      string(APPEND line " ${word}")
    endif()
  endforeach()
  set(${out} "${result}${lead}${line}\n" PARENT_SCOPE)
endfunction()

# The English texts name the unit after the meaning; the screen's "Grad" is degrees there.
function(zorpi_help_with_unit english unit out)
  string(REPLACE "Grad" "degrees" unit "${unit}")
  if(NOT unit STREQUAL "")
    set(english "${english}, ${unit}")
  endif()
  set(${out} "${english}" PARENT_SCOPE)
endfunction()

# A kind of loading in words with its factors, in English.
function(zorpi_help_loading_english english forms polygon out)
  set(${out} "${english}: pzul = ${forms} p0, for the polygon ${polygon} p0" PARENT_SCOPE)
endfunction()

# ---- The page: German, HTML. ----

function(zorpi_help_page_escape text out)
  string(REPLACE "&" "&amp;" text "${text}")
  string(REPLACE "<" "&lt;" text "${text}")
  string(REPLACE ">" "&gt;" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# A table is marked with its section, so that the printed record finds a field's meaning in
# the section of its type.
function(zorpi_help_page_section out id kind german english rows)
  zorpi_help_page_escape("${german}" german)
  if(kind STREQUAL "texts")
    set(${out} "<h3>${german}</h3>\n${rows}" PARENT_SCOPE)
  else()
    set(${out} "<h3>${german}</h3>\n<table data-section=\"${id}\">\n${rows}</table>\n"
        PARENT_SCOPE)
  endif()
endfunction()

# A row of a table: its symbol, its text and its unit; `field` marks the record's field.
function(zorpi_help_page_table_row out field symbol text unit)
  zorpi_help_page_escape("${symbol}" symbol)
  zorpi_help_page_escape("${text}" text)
  set(attribute "")
  if(NOT field STREQUAL "")
    set(attribute " data-field=\"${field}\"")
  endif()
  set(${out} "<tr${attribute}><th><code>${symbol}</code></th><td>${text}</td><td>${unit}</td></tr>\n"
      PARENT_SCOPE)
endfunction()

function(zorpi_help_page_keys out key menu german english)
  zorpi_help_page_table_row(row "" "${key}" "${german}" "")
  set(${out} "${row}" PARENT_SCOPE)
endfunction()

function(zorpi_help_page_texts out topic german english)
  zorpi_help_page_escape("${german}" german)
  set(${out} "<p><b>${topic}.</b> ${german}</p>\n" PARENT_SCOPE)
endfunction()

# The record takes a kind of loading's words and factors from here.
function(zorpi_help_page_loading out number german english forms polygon)
  zorpi_help_page_escape("${german}" german)
  set(${out} "<tr data-number=\"${number}\" data-factors=\"${forms} ${polygon}\"><th><code>${number}</code></th><td><span>${german}</span>: pzul = ${forms} p0, beim Polygon ${polygon} p0</td><td></td></tr>\n"
      PARENT_SCOPE)
endfunction()

# The symbol as the prompt writes it; a result, which no prompt asks, as it is shown.
function(zorpi_help_page_symbols out field prompt shown unit german english)
  if(prompt STREQUAL "")
    set(prompt "${shown}")
  endif()
  zorpi_help_page_table_row(row "${field}" "${prompt}" "${german}" "${unit}")
  set(${out} "${row}" PARENT_SCOPE)
endfunction()

# ---- The manual page: English, groff. ----

function(zorpi_help_manual_escape text out)
  string(REPLACE "\\" "\\e" text "${text}")
  string(REPLACE "-" "\\-" text "${text}")
  string(REGEX REPLACE "^([.'])" "\\\\&\\1" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

function(zorpi_help_manual_section out id kind german english rows)
  if(kind STREQUAL "loading")
    set(rows ".PP\n.nf\nkind                                 key, spline, serration   polygon\n${rows}.fi\n")
  endif()
  set(${out} "${rows}" PARENT_SCOPE)
endfunction()

function(zorpi_help_manual_keys out key menu german english)
  zorpi_help_manual_escape("${english}" english)
  if(NOT menu STREQUAL "")
    set(english "${menu}: ${english}")
  endif()
  set(${out} ".TP\n.B ${key}\n${english}.\n" PARENT_SCOPE)
endfunction()

function(zorpi_help_manual_texts out topic german english)
  zorpi_help_manual_escape("${english}" english)
  set(${out} ".PP\n${english}\n" PARENT_SCOPE)
endfunction()

function(zorpi_help_manual_loading out number german english forms polygon)
  string(LENGTH "${number} ${english}" length)
  math(EXPR padding "44 - ${length}")
  string(REPEAT " " ${padding} pad)
  string(LENGTH "${forms}" length)
  math(EXPR padding "18 - ${length}")
  string(REPEAT " " ${padding} gap)
  set(${out} "${number} ${english}${pad}${forms}${gap}${polygon}\n" PARENT_SCOPE)
endfunction()

function(zorpi_help_manual_symbols out field prompt shown unit german english)
  if(prompt STREQUAL "")
    set(prompt "${shown}")
  endif()
  zorpi_help_with_unit("${english}" "${unit}" english)
  zorpi_help_manual_escape("${english}" english)
  zorpi_help_manual_escape("${prompt}" prompt)
  set(${out} ".TP\n.B \"${prompt}\"\n${english}\n" PARENT_SCOPE)
endfunction()

# ---- The Windows text: English, plain ASCII, wrapped at 78 columns. ----

# The keys and the typing stand under headings of the text's own.
function(zorpi_help_windows_section out id kind german english rows)
  if(id STREQUAL "keys" OR id STREQUAL "typing")
    set(${out} "${rows}" PARENT_SCOPE)
  else()
    string(LENGTH "${english}" length)
    string(REPEAT "-" ${length} rule)
    set(${out} "${english}\n${rule}\n\n${rows}\n" PARENT_SCOPE)
  endif()
endfunction()

# A symbol in a column of its own, its text beside it.
function(zorpi_help_windows_column_row out symbol text)
  string(LENGTH "${symbol}" length)
  math(EXPR padding "14 - ${length}")
  string(REPEAT " " ${padding} pad)
  zorpi_help_wrap("${text}" "    ${symbol}${pad}" "                  " row)
  set(${out} "${row}" PARENT_SCOPE)
endfunction()

function(zorpi_help_windows_keys out key menu german english)
  string(LENGTH "${menu}" length)
  math(EXPR padding "21 - ${length}")
  string(REPEAT " " ${padding} pad)
  zorpi_help_wrap("${english}" "    ${key}   ${menu}${pad}" "                             " row)
  set(${out} "${row}" PARENT_SCOPE)
endfunction()

function(zorpi_help_windows_texts out topic german english)
  zorpi_help_wrap("${english}" "- " "  " row)
  set(${out} "${row}" PARENT_SCOPE)
endfunction()

function(zorpi_help_windows_loading out number german english forms polygon)
  zorpi_help_loading_english("${english}" "${forms}" "${polygon}" text)
  zorpi_help_windows_column_row(row "${number}" "${text}")
  set(${out} "${row}" PARENT_SCOPE)
endfunction()

function(zorpi_help_windows_symbols out field prompt shown unit german english)
  if(prompt STREQUAL "")
    set(prompt "${shown}")
  endif()
  zorpi_help_with_unit("${english}" "${unit}" english)
  zorpi_help_windows_column_row(row "${prompt}" "${english}")
  set(${out} "${row}" PARENT_SCOPE)
endfunction()

# ---- Reading doc/help.md. ----

# Sets `out` to the list of the cells of a table row "| a | b |", each stripped.
function(zorpi_help_cells line out)
  string(REGEX REPLACE "^\\|(.*)\\|$" "\\1" line "${line}")
  string(REPLACE "|" ";" raw "${line}")
  set(cells "")
  foreach(cell IN LISTS raw)
    string(STRIP "${cell}" cell)
    list(APPEND cells "${cell}")
  endforeach()
  set(${out} "${cells}" PARENT_SCOPE)
endfunction()

function(zorpi_help_text format source out)
  set(wanted ${ARGN})
  file(STRINGS "${source}" lines ENCODING UTF-8)
  set(result "")
  set(id "")
  # A sentinel heading ends the last section like any other.
  foreach(line IN LISTS lines ITEMS "## end: end | end")
    if(line MATCHES "^## ([a-z]+): (.*) \\| (.*)$")
      if(NOT id STREQUAL "" AND (NOT wanted OR id IN_LIST wanted))
        cmake_language(CALL zorpi_help_${format}_section section ${id} ${kind} "${german}"
                       "${english}" "${rows}")
        string(APPEND result "${section}")
      endif()
      set(id "${CMAKE_MATCH_1}")
      set(german "${CMAKE_MATCH_2}")
      set(english "${CMAKE_MATCH_3}")
      zorpi_help_kind(${id} kind)
      set(rows "")
      set(header TRUE)
    elseif(line MATCHES "^\\|.*\\|$" AND NOT id STREQUAL "")
      zorpi_help_cells("${line}" cells)
      list(GET cells 0 first)
      if(header)
        set(header FALSE)  # the table's own heading
      elseif(NOT first MATCHES "^---")
        zorpi_help_row(${format} ${kind} "${cells}" row)
        string(APPEND rows "${row}")
      endif()
    endif()
  endforeach()
  set(${out} "${result}" PARENT_SCOPE)
endfunction()

# Sets `out` to the row of `cells` in `format`, or to nothing when the row is for other texts.
function(zorpi_help_row format kind cells out)
  set(${out} "" PARENT_SCOPE)
  list(LENGTH cells count)
  foreach(index RANGE 0 5)
    set(cell${index} "")
    if(index LESS count)
      list(GET cells ${index} cell${index})
    endif()
  endforeach()
  if(kind STREQUAL "texts")
    string(REPLACE " " ";" targets "${cell1}")
    if(NOT format IN_LIST targets AND NOT "all" IN_LIST targets)
      return()
    endif()
    cmake_language(CALL zorpi_help_${format}_texts row "${cell0}" "${cell2}" "${cell3}")
  else()
    cmake_language(CALL zorpi_help_${format}_${kind} row "${cell0}" "${cell1}" "${cell2}"
                   "${cell3}" "${cell4}" "${cell5}")
  endif()
  set(${out} "${row}" PARENT_SCOPE)
endfunction()
