# The program folder holds the programs and every file they read beside themselves: bin/ in the
# build tree, lib/ondrik when installed. The programs a user types are linked into bin/ on PATH;
# each program finds its folder through its own file, so the links may lie anywhere.
set(ondrik_program_dir lib/ondrik)
# Who answers for the installed program, in the package and its changes.
set(ondrik_maintainer "Kestrune <ondrik@kestrune.example>")

# Installs a relative symbolic link at link (a path under the prefix) to target (another one), so
# the installed tree may be moved or staged under DESTDIR.
function(ondrik_install_link target link)
  get_filename_component(link_dir ${link} DIRECTORY)
  file(RELATIVE_PATH relative /${link_dir} /${target})
  install(CODE "
    set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link}\")
    message(STATUS \"Installing: \${link}\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${link_dir}\")
    file(CREATE_LINK \"${relative}\" \"\${link}\" SYMBOLIC)")
endfunction()

# Puts a program or a jar made with add_jar into the program folder when installing, and has it
# built along with ondrik, so every way of building the IDE brings what it reads beside it. A jar
# itself lies in share/ondrik, as Debian keeps jars, with a link to it in the program folder.
# ON_PATH: also a link in the bin folder, for a program the user types.
function(ondrik_beside_program target)
  cmake_parse_arguments(ARG "ON_PATH" "" "" ${ARGN})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    install(TARGETS ${target} RUNTIME DESTINATION ${ondrik_program_dir})
    set(name $<TARGET_FILE_NAME:${target}>)
  else()
    get_target_property(jar ${target} JAR_FILE)
    if(NOT jar)
      message(FATAL_ERROR "${target} is neither a program nor a jar")
    endif()
    get_filename_component(name ${jar} NAME)
    install(FILES ${jar} DESTINATION ${CMAKE_INSTALL_DATADIR}/ondrik)
    ondrik_install_link(${CMAKE_INSTALL_DATADIR}/ondrik/${name} ${ondrik_program_dir}/${name})
  endif()
  if(NOT target STREQUAL "ondrik")
    add_dependencies(ondrik ${target})
  endif()
  if(ARG_ON_PATH)
    ondrik_install_link(${ondrik_program_dir}/${name} ${CMAKE_INSTALL_BINDIR}/${name})
  endif()
endfunction()
