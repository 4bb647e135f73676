# Puts the page together: web/zorpi.html with its stylesheet and scripts written in place of
# the markers there, xterm.js, its fit addon and the compiled program (WebAssembly included)
# among them, the help and the record's tables made from doc/help.md (web/help.html,
# web/help_data.js), and the version.
#   cmake -DSOURCE=... -DXTERM=... -DFIT=... -DPROGRAM=... -DVERSION=... -DOUTPUT=...
#         -P assemble_page.cmake
# string(REPLACE) takes the text literally: xterm.js holds "$&", which a regular expression
# replacement would expand.
cmake_minimum_required(VERSION 3.25)

file(READ ${SOURCE}/web/zorpi.html page)

function(inline marker file)
  file(READ ${file} text)
  # Inside <script> and <style>, only a closing tag would end the inlined text early.
  string(REPLACE "</script" "<\\/script" text "${text}")
  string(REPLACE "</style" "<\\/style" text "${text}")
  string(REPLACE "${marker}" "${text}" result "${page}")
  set(page "${result}" PARENT_SCOPE)
endfunction()

inline("/*@XTERM_CSS@*/" ${XTERM}/css/xterm.css)
inline("/*@XTERM_JS@*/" ${XTERM}/lib/xterm.js)
inline("/*@FIT_JS@*/" ${FIT}/lib/addon-fit.js)
inline("/*@TRANSCRIPT_JS@*/" ${SOURCE}/web/transcript.js)
inline("/*@PROGRAM_JS@*/" ${PROGRAM})
inline("/*@PROGRAM_IO_JS@*/" ${SOURCE}/web/program_io.js)
inline("/*@HELP_DATA_JS@*/" ${SOURCE}/web/help_data.js)
inline("/*@RECORD_JS@*/" ${SOURCE}/web/record.js)
inline("/*@PAGE_JS@*/" ${SOURCE}/web/page.js)
file(READ ${SOURCE}/web/help.html help)
string(REPLACE "<!--@HELP_HTML@-->" "${help}" page "${page}")
file(READ ${SOURCE}/web/record.html record)
string(REPLACE "<!--@RECORD_HTML@-->" "${record}" page "${page}")
string(REPLACE "@VERSION@" "${VERSION}" page "${page}")
file(WRITE ${OUTPUT} "${page}")
