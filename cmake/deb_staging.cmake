# Run by CPack on its staging folder before packing, to leave the files as Debian's own
# packaging would: every manual page and changelog compressed with gzip -9n (-n leaves out
# the name and time, so the package is reproducible), and every static library stripped of
# its debugging sections and compiler notes, with deterministic archive headers; programs lose
# their compiler notes too.
file(GLOB_RECURSE pages "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.1")
list(FILTER pages INCLUDE REGEX "/share/man/man1/[^/]+\\.1$")
file(GLOB_RECURSE changelogs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/changelog")
list(FILTER changelogs INCLUDE REGEX "/share/doc/[^/]+/changelog$")
if(NOT changelogs)
  message(FATAL_ERROR "no changelog in ${CPACK_TEMPORARY_INSTALL_DIRECTORY}")
endif()
foreach(file IN LISTS pages changelogs)
  execute_process(COMMAND gzip -9nf "${file}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip failed on ${file}")
  endif()
endforeach()
file(GLOB_RECURSE libraries "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.a")
foreach(library IN LISTS libraries)
  execute_process(COMMAND strip --strip-debug --remove-section=.comment --remove-section=.note
                          --enable-deterministic-archives "${library}" RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "strip failed on ${library}")
  endif()
endforeach()
file(GLOB_RECURSE programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
list(FILTER programs INCLUDE REGEX "/bin/[^/]+$")
foreach(program IN LISTS programs)
  execute_process(COMMAND strip --remove-section=.comment --remove-section=.note "${program}"
                  RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "strip failed on ${program}")
  endif()
endforeach()
