# cmake -DSOURCE=<repository> -DOUT=<file.nsh> -P facts.cmake
#
# Writes the installer's copy of what it shares with the program, so that the
# installer script repeats none of it:
# - every "#define ZYFO_<NAME> <value>" of res/identity.h as "!define ZYFO_<NAME> ..."
#   (a value is string literals and names defined above it, concatenated);
# - the exit command ID_APP_EXIT of res/resource.h;
# - the macro ZYFO_DEFAULT_SHORTCUTS, which inserts DEFAULT_SHORTCUT <slot> "<text>"
#   for every launcher slot: the predefined names of launcher/predefined_programs.h,
#   then the blank marker.
# Anything it cannot read the way it expects stops the build.

function(zyfo_fail message)
  message(FATAL_ERROR "installer/facts.cmake: ${message}")
endfunction()

file(STRINGS ${SOURCE}/res/identity.h identity_lines REGEX "^#define ZYFO_")
set(names)
foreach(line IN LISTS identity_lines)
  if(NOT line MATCHES "^#define (ZYFO_[A-Z0-9_]+) (.+)$")
    zyfo_fail("res/identity.h: cannot read '${line}'")
  endif()
  set(name ${CMAKE_MATCH_1})
  set(rest "${CMAKE_MATCH_2}")
  set(value "")
  set(is_text FALSE)
  while(NOT rest STREQUAL "")
    if(rest MATCHES "^\"(([^\"\\\\]|\\\\\\\\)*)\" *(.*)$")
      # A string literal; its only escape is the backslash itself.
      set(text "${CMAKE_MATCH_1}")
      set(rest "${CMAKE_MATCH_3}")
      string(REPLACE "\\\\" "\\" text "${text}")
      string(APPEND value "${text}")
      set(is_text TRUE)
    elseif(rest MATCHES "^(ZYFO_[A-Z0-9_]+) *(.*)$")
      if(NOT DEFINED fact_${CMAKE_MATCH_1})
        zyfo_fail("res/identity.h: ${name} uses ${CMAKE_MATCH_1} before it is defined")
      endif()
      string(APPEND value "${fact_${CMAKE_MATCH_1}}")
      set(rest "${CMAKE_MATCH_2}")
      set(is_text TRUE)
    elseif(rest MATCHES "^([0-9]+) *$" AND value STREQUAL "")
      set(value ${CMAKE_MATCH_1})
      set(rest "")
    else()
      zyfo_fail("res/identity.h: cannot read the value of ${name}: '${rest}'")
    endif()
  endwhile()
  if(value MATCHES "[\"$]")
    zyfo_fail("res/identity.h: ${name} holds a quote or a dollar sign, which NSIS would read differently")
  endif()
  set(fact_${name} "${value}")
  list(APPEND names ${name})
endforeach()
foreach(required ZYFO_PROFILE_ROOT ZYFO_SECTION_SHORTCUT ZYFO_SECTION_DPI ZYFO_SHORTCUT_VALUE_PREFIX
        ZYFO_SHORTCUT_SLOTS ZYFO_SHORTCUT_BLANK ZYFO_FRAME_TITLE ZYFO_APP_TITLE ZYFO_COMPANY)
  if(NOT DEFINED fact_${required})
    zyfo_fail("res/identity.h does not define ${required}")
  endif()
endforeach()

file(STRINGS ${SOURCE}/res/resource.h exit_line REGEX "^#define ID_APP_EXIT ")
if(NOT exit_line MATCHES "^#define ID_APP_EXIT ([0-9]+)$")
  zyfo_fail("res/resource.h: cannot read ID_APP_EXIT")
endif()
set(exit_command ${CMAKE_MATCH_1})

# Read whole: its rows end in a backslash, which would join list entries.
file(READ ${SOURCE}/launcher/predefined_programs.h table)
string(REGEX MATCHALL "\n *X\\([^,\n]*," rows "${table}")
set(predefined)
foreach(row IN LISTS rows)
  if(NOT row MATCHES "^\n *X\\(\"([^\"\\\\$]*)\",$")
    zyfo_fail("launcher/predefined_programs.h: cannot read the name of '${row}'")
  endif()
  list(APPEND predefined "${CMAKE_MATCH_1}")
endforeach()
list(LENGTH predefined count)
math(EXPR page ${fact_ZYFO_SHORTCUT_SLOTS}/2)
if(NOT count EQUAL page)
  zyfo_fail("launcher/predefined_programs.h: ${count} rows, expected ${page}")
endif()

set(out "; Written by the build (installer/facts.cmake) from res/identity.h, res/resource.h\n")
string(APPEND out "; and launcher/predefined_programs.h. Change those, not this file.\n")
foreach(name IN LISTS names)
  string(APPEND out "!define ${name} \"${fact_${name}}\"\n")
endforeach()
string(APPEND out "!define ID_APP_EXIT ${exit_command}\n\n")
string(APPEND out "!macro ZYFO_DEFAULT_SHORTCUTS\n")
foreach(slot RANGE 1 ${fact_ZYFO_SHORTCUT_SLOTS})
  if(slot LESS_EQUAL count)
    math(EXPR index ${slot}-1)
    list(GET predefined ${index} text)
  else()
    set(text "${fact_ZYFO_SHORTCUT_BLANK}")
  endif()
  string(APPEND out "  !insertmacro DEFAULT_SHORTCUT ${slot} \"${text}\"\n")
endforeach()
string(APPEND out "!macroend\n")

# Rewritten only when it changes, so that an unchanged header rebuilds nothing.
file(WRITE ${OUT}.new "${out}")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different ${OUT}.new ${OUT})
file(REMOVE ${OUT}.new)
