# Runs last at install time: writes the uninstall script beside the program.
# It removes exactly the files this installation put down (and the folders of
# the program's own share folder once empty), never the users' puzzles and
# settings, which live in their own data folders.
set(destdir "$ENV{DESTDIR}")
set(script_path "${CMAKE_INSTALL_PREFIX}/${NOVLET_BINDIR}/corvex-novlet-uninstall")
set(share_folder "${CMAKE_INSTALL_PREFIX}/${NOVLET_DATADIR}/corvex-novlet")

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
  if(destdir AND installed MATCHES "^${destdir}")
    string(LENGTH "${destdir}" destdir_length)
    string(SUBSTRING "${installed}" ${destdir_length} -1 installed)
  endif()
  shell_quote(quoted "${installed}")
  string(APPEND lines "remove ${quoted}\n")
  get_filename_component(folder "${installed}" DIRECTORY)
  while(folder MATCHES "^${share_folder}")
    list(APPEND folders "${folder}")
    get_filename_component(folder "${folder}" DIRECTORY)
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
