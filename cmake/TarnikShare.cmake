# Staging of the program directory's data.
#
# Everything below share/ is staged into ${TARNIK_STAGE_DIR} and copied beside the executables in
# ${TARNIK_BIN_DIR}. Text files that the program reads as Windows files (.ini, .ksl, .dtd, .txt)
# are committed as UTF-8 with LF and converted to Windows-1250 with CR LF on the way. The SQL
# files of one folder are built into that folder's tables.sqlite. Tests copy ${TARNIK_STAGE_DIR}
# into a temporary program directory of their own.
set(TARNIK_STAGE_DIR ${CMAKE_BINARY_DIR}/progdir)
set(TARNIK_WINDOWS_TEXT_EXTENSIONS ".ini;.ksl;.dtd;.txt")

# tarnik_sqlite_db(<output.sqlite> <sql files...>): builds a SQLite file from SQL text, the files
# read in the order given; rebuilt whenever one of them is newer.
function(tarnik_sqlite_db output)
  add_custom_command(
    OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -DOUT=${output} -DSQLITE3=${SQLITE3_EXECUTABLE}
            "-DSQL=${ARGN}" -P ${CMAKE_SOURCE_DIR}/cmake/build_sqlite.cmake
    DEPENDS ${ARGN} ${CMAKE_SOURCE_DIR}/cmake/build_sqlite.cmake
    COMMENT "Building ${output}"
    VERBATIM)
endfunction()

# tarnik_stage_share(<target> <source dir>): stages one data tree into the program directory.
function(tarnik_stage_share target srcdir)
  file(GLOB_RECURSE files CONFIGURE_DEPENDS RELATIVE ${srcdir} ${srcdir}/*)
  set(outputs "")
  set(sqldirs "")
  foreach(rel IN LISTS files)
    get_filename_component(ext ${rel} LAST_EXT)
    string(TOLOWER "${ext}" ext)
    get_filename_component(reldir ${rel} DIRECTORY)
    if(ext STREQUAL ".sql")
      list(APPEND sqldirs "${reldir}")
      continue()
    endif()
    if(rel MATCHES "(^|/)README\\.md$" OR rel STREQUAL "CMakeLists.txt")
      continue()
    endif()
    set(stage ${TARNIK_STAGE_DIR}/${rel})
    set(bin ${TARNIK_BIN_DIR}/${rel})
    list(FIND TARNIK_WINDOWS_TEXT_EXTENSIONS "${ext}" is_text)
    if(is_text GREATER -1)
      set(cmd ${CMAKE_COMMAND} -DIN=${srcdir}/${rel} -DOUT=${stage} -DICONV=${ICONV_EXECUTABLE}
              -P ${CMAKE_SOURCE_DIR}/cmake/to_windows_text.cmake)
    else()
      set(cmd ${CMAKE_COMMAND} -E copy ${srcdir}/${rel} ${stage})
    endif()
    add_custom_command(
      OUTPUT ${stage} ${bin}
      COMMAND ${cmd}
      COMMAND ${CMAKE_COMMAND} -E copy ${stage} ${bin}
      DEPENDS ${srcdir}/${rel} ${CMAKE_SOURCE_DIR}/cmake/to_windows_text.cmake
      VERBATIM)
    list(APPEND outputs ${stage} ${bin})
  endforeach()
  list(REMOVE_DUPLICATES sqldirs)
  foreach(reldir IN LISTS sqldirs)
    file(GLOB sql CONFIGURE_DEPENDS ${srcdir}/${reldir}/*.sql)
    list(SORT sql)
    if(reldir STREQUAL "")
      set(stage ${TARNIK_STAGE_DIR}/tables.sqlite)
      set(bin ${TARNIK_BIN_DIR}/tables.sqlite)
    else()
      set(stage ${TARNIK_STAGE_DIR}/${reldir}/tables.sqlite)
      set(bin ${TARNIK_BIN_DIR}/${reldir}/tables.sqlite)
    endif()
    tarnik_sqlite_db(${stage} ${sql})
    add_custom_command(OUTPUT ${bin} COMMAND ${CMAKE_COMMAND} -E copy ${stage} ${bin}
                       DEPENDS ${stage} VERBATIM)
    list(APPEND outputs ${stage} ${bin})
  endforeach()
  add_custom_target(${target} ALL DEPENDS ${outputs})
endfunction()
