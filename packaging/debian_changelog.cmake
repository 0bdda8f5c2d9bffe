# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian changelog, written from the releases of the AppStream metainfo: one entry a release,
# newest first, its English paragraphs as the items, dated the day of the release. Also gives the
# newest release's date as seconds since 1970, which dates every file of the package.
#   tavelle_debian_changelog(METAINFO OUTPUT MAINTAINER EPOCH_VARIABLE)

# Appends the words of TEXT to the variable LINES as one item of the changelog, in lines of at most
# 80 columns.
function(tavelle_changelog_item text lines_variable)
  string(REGEX REPLACE "[ \t\r\n]+" " " text "${text}")
  string(STRIP "${text}" text)
  string(REPLACE " " ";" words "${text}")
  set(lines ${${lines_variable}})
  set(line "  *")
  foreach(word IN LISTS words)
    string(LENGTH "${line} ${word}" length)
    if(length GREATER 80 AND NOT line MATCHES "^ *\\*?$")
      list(APPEND lines "${line}")
      set(line "   ")
    endif()
    string(APPEND line " ${word}")
  endforeach()
  list(APPEND lines "${line}")
  set(${lines_variable} "${lines}" PARENT_SCOPE)
endfunction()

function(tavelle_debian_changelog metainfo output maintainer epoch_variable)
  file(READ ${metainfo} xml)
  # Semicolons would split CMake's lists: they are kept aside until the text is written.
  string(REPLACE ";" "__semicolon__" xml "${xml}")
  string(REGEX MATCH "<releases>.*</releases>" releases "${xml}")
  string(REGEX MATCHALL "<release [^>]*>.*</release>" blocks "${releases}")
  # The match above is greedy: cut it at each release's end.
  string(REPLACE "</release>" "</release>;" blocks "${blocks}")
  set(text "")
  set(newest_epoch "")
  foreach(block IN LISTS blocks)
    if(NOT block MATCHES "<release [^>]*version=\"([^\"]+)\"[^>]*date=\"([^\"]+)\"")
      continue()
    endif()
    set(version ${CMAKE_MATCH_1})
    set(date ${CMAKE_MATCH_2})
    execute_process(COMMAND date -u -d ${date} -R OUTPUT_VARIABLE stamp OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
    if(newest_epoch STREQUAL "")
      execute_process(COMMAND date -u -d ${date} +%s OUTPUT_VARIABLE newest_epoch OUTPUT_STRIP_TRAILING_WHITESPACE
                      COMMAND_ERROR_IS_FATAL ANY)
    endif()
    # The English paragraphs, as Debian's changelogs are written.
    string(REGEX MATCHALL "<p xml:lang=\"en\">[^<]*</p>" paragraphs "${block}")
    set(lines "")
    foreach(paragraph IN LISTS paragraphs)
      string(REGEX REPLACE "</?p[^>]*>" "" paragraph "${paragraph}")
      string(REPLACE "&lt;" "<" paragraph "${paragraph}")
      string(REPLACE "&gt;" ">" paragraph "${paragraph}")
      string(REPLACE "&amp;" "&" paragraph "${paragraph}")
      tavelle_changelog_item("${paragraph}" lines)
    endforeach()
    list(JOIN lines "\n" items)
    string(APPEND text "tavelle (${version}) unstable; urgency=medium\n\n${items}\n\n -- ${maintainer}  ${stamp}\n\n")
  endforeach()
  if(newest_epoch STREQUAL "")
    message(FATAL_ERROR "no <release> with a version and a date in ${metainfo}")
  endif()
  string(STRIP "${text}" text)
  string(REPLACE "__semicolon__" ";" text "${text}")
  # Rewritten only when it changes, so that a new configuration rebuilds nothing.
  file(WRITE ${output}.new "${text}\n")
  file(COPY_FILE ${output}.new ${output} ONLY_IF_DIFFERENT)
  file(REMOVE ${output}.new)
  set(${epoch_variable} ${newest_epoch} PARENT_SCOPE)
endfunction()
