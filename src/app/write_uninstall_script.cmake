# Runs last at install time: writes the uninstall script beside the program.
# It removes exactly the files this installation put down (and the folders of
# the program's own share folder once empty), never the users' puzzles and
# settings, which live in their own data folders.
set(destdir "$ENV{DESTDIR}")
cmake_path(ABSOLUTE_PATH NOVLET_BINDIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE bin_folder)
cmake_path(ABSOLUTE_PATH NOVLET_DATADIR BASE_DIRECTORY "${CMAKE_INSTALL_PREFIX}" OUTPUT_VARIABLE data_folder)
set(script_path "${bin_folder}/corvex-novlet-uninstall")
set(share_folder "${data_folder}/corvex-novlet")

# Paths are compared as text, not as patterns: a staging folder such as
# .../corvex-novlet-1.0.5+ds/debian/tmp is full of pattern characters.
function(starts_with out text prefix)
  string(FIND "${text}" "${prefix}" position)
  if(position EQUAL 0)
    set(${out} TRUE PARENT_SCOPE)
  else()
    set(${out} FALSE PARENT_SCOPE)
  endif()
endfunction()

function(shell_quote out text)
  string(REPLACE "'" "'\\''" text "${text}")
  set(${out} "'${text}'" PARENT_SCOPE)
endfunction()

set(lines "#!/bin/sh\n# Removes Corvex Novlet from ${CMAKE_INSTALL_PREFIX}, as installed.\n")
string(APPEND lines "# Puzzles and settings stay in the users' data folders.\n")
string(APPEND lines "status=0\n")
string(APPEND lines "remove() { if [ -e \"$1\" ] || [ -L \"$1\" ]; then rm -f -- \"$1\" || status=1; fi; }\n")

set(folders "")
foreach(installed IN LISTS CMAKE_INSTALL_MANIFEST_FILES)
  starts_with(staged "${installed}" "${destdir}")
  if(destdir AND staged)
    string(LENGTH "${destdir}" destdir_length)
    string(SUBSTRING "${installed}" ${destdir_length} -1 installed)
  endif()
  shell_quote(quoted "${installed}")
  string(APPEND lines "remove ${quoted}\n")
  get_filename_component(folder "${installed}" DIRECTORY)
  starts_with(in_share "${folder}" "${share_folder}")
  while(in_share)
    list(APPEND folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
    starts_with(in_share "${folder}" "${share_folder}")
  endwhile()
endforeach()

# Deepest folders first, so each is empty when its turn comes.
list(REMOVE_DUPLICATES folders)
list(SORT folders ORDER DESCENDING)
foreach(folder IN LISTS folders)
  shell_quote(quoted "${folder}")
  string(APPEND lines "rmdir -- ${quoted} 2>/dev/null\n")
endforeach()

shell_quote(quoted_script "${script_path}")
string(APPEND lines "remove ${quoted_script}\n")
string(APPEND lines "if [ \"$status\" -ne 0 ]; then echo 'corvex-novlet-uninstall: some files could not be removed (permission?)' >&2; fi\n")
string(APPEND lines "exit \"$status\"\n")

file(WRITE "${destdir}${script_path}" "${lines}")
file(CHMOD "${destdir}${script_path}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)
list(APPEND CMAKE_INSTALL_MANIFEST_FILES "${destdir}${script_path}")
message(STATUS "Installing: ${destdir}${script_path}")
