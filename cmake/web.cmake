# The browser page: the program compiled to WebAssembly with Asyncify, so that a key read can
# wait for the page, and assembled with the page and xterm.js into one file,
# build-web/zorpi.html, that needs nothing else:
#   emcmake cmake -S . -B build-web -DCMAKE_BUILD_TYPE=Release && cmake --build build-web -j2
# The test programs run under node (set in the top-level file, with emcc's node modules).

# xterm.js and its fit addon, pinned in web/package-lock.json; installed from npm on the first
# configure.
set(ZORPI_XTERM ${CMAKE_SOURCE_DIR}/web/node_modules/@xterm/xterm)
set(ZORPI_FIT ${CMAKE_SOURCE_DIR}/web/node_modules/@xterm/addon-fit)
if(NOT EXISTS ${ZORPI_XTERM}/lib/xterm.js OR NOT EXISTS ${ZORPI_FIT}/lib/addon-fit.js)
  find_program(ZORPI_NPM npm REQUIRED)
  execute_process(COMMAND ${ZORPI_NPM} ci --no-audit --no-fund
                  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}/web RESULT_VARIABLE npmResult)
  if(NOT npmResult EQUAL 0)
    message(FATAL_ERROR "npm ci in web/ failed: the page needs @xterm/xterm and its fit addon")
  endif()
endif()

set_target_properties(zorpi PROPERTIES OUTPUT_NAME zorpi-program SUFFIX .js)
# createZorpi is the factory web/program_io.js calls for each run. Asyncify lets a read wait
# for the page; left to itself it takes every indirect call for one that may wait, down to
# the allocator's and printf's, and instruments what calls them: the program was a quarter
# larger. The C and C++ runtime and the output side (Output and the print primitives, whose
# sink writes to the page at once) never wait, and are left as they are.
set(ZORPI_NEVER_WAITS [["std::*","operator new*","__cxxabiv1::*","printf_core","out","pop_arg","fmt_fp","pad","__shgetc","scanexp","dynCall_*","zorpi::Output::*","zorpi::print*"]])
target_link_options(zorpi PRIVATE
  -sASYNCIFY "-sASYNCIFY_REMOVE=${ZORPI_NEVER_WAITS}"
  -sINVOKE_RUN=0 -sMODULARIZE=1 -sEXPORT_NAME=createZorpi
  -sEXPORTED_RUNTIME_METHODS=ccall -sENVIRONMENT=web -sSINGLE_FILE=1
  -sINITIAL_MEMORY=4194304 -sALLOW_MEMORY_GROWTH=1 -sTOTAL_STACK=262144)

set(ZORPI_PAGE ${CMAKE_BINARY_DIR}/zorpi.html)
set(ZORPI_PAGE_PARTS
  ${CMAKE_SOURCE_DIR}/web/zorpi.html
  ${CMAKE_SOURCE_DIR}/web/program_io.js
  ${CMAKE_SOURCE_DIR}/web/record.js
  ${CMAKE_SOURCE_DIR}/web/record.html
  ${CMAKE_SOURCE_DIR}/web/help.html
  ${CMAKE_SOURCE_DIR}/web/help_data.js
  ${CMAKE_SOURCE_DIR}/web/page.js
  ${CMAKE_SOURCE_DIR}/web/transcript.js
  ${ZORPI_XTERM}/lib/xterm.js
  ${ZORPI_XTERM}/css/xterm.css
  ${ZORPI_FIT}/lib/addon-fit.js)
add_custom_command(OUTPUT ${ZORPI_PAGE}
  COMMAND ${CMAKE_COMMAND} -DSOURCE=${CMAKE_SOURCE_DIR} -DXTERM=${ZORPI_XTERM} -DFIT=${ZORPI_FIT}
          -DPROGRAM=$<TARGET_FILE:zorpi> -DVERSION=${PROJECT_VERSION} -DOUTPUT=${ZORPI_PAGE}
          -P ${CMAKE_SOURCE_DIR}/cmake/assemble_page.cmake
  DEPENDS zorpi ${ZORPI_PAGE_PARTS} ${CMAKE_SOURCE_DIR}/cmake/assemble_page.cmake
  COMMENT "Assembling zorpi.html")
add_custom_target(zorpi_page ALL DEPENDS ${ZORPI_PAGE})
