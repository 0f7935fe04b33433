# Run by CPack on the staged package tree before it is packed. `make install` links the fonts by
# absolute path, so that a tree staged anywhere (DESTDIR) finds them on this machine; inside the
# package the links and the fonts both lie in /usr, where Debian asks for relative links.
set(fonts "${CPACK_TEMPORARY_INSTALL_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/games/talvenne/Fonts")
set(installed_fonts "${CPACK_PACKAGING_INSTALL_PREFIX}/share/games/talvenne/Fonts")
file(GLOB links LIST_DIRECTORIES false "${fonts}/*")
if(NOT links)
  message(FATAL_ERROR "no font links in ${fonts}")
endif()
foreach(link IN LISTS links)
  file(READ_SYMLINK "${link}" target)
  if(IS_ABSOLUTE "${target}")
    file(RELATIVE_PATH relative "${installed_fonts}" "${target}")
    file(REMOVE "${link}")
    file(CREATE_LINK "${relative}" "${link}" SYMBOLIC)
  endif()
endforeach()
