# The program folder holds the programs and every file they read beside themselves: bin/ in the
# build tree, lib/ondrik when installed. The programs a user types are linked into bin/ on PATH;
# each program finds its folder through its own file, so the links may lie anywhere.
set(ondrik_program_dir lib/ondrik)
# Who answers for the installed program, in the package and its changes.
set(ondrik_maintainer "Kestrune <ondrik@kestrune.example>")

# Installs a program or a jar made with add_jar into the program folder, and has it built along
# with ondrik, so every way of building the IDE brings what it reads beside it.
# ON_PATH: also a link in the bin folder, for a program the user types.
function(ondrik_beside_program target)
  cmake_parse_arguments(ARG "ON_PATH" "" "" ${ARGN})
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    install(TARGETS ${target} RUNTIME DESTINATION ${ondrik_program_dir})
    set(file_name $<TARGET_FILE_NAME:${target}>)
  else()
    get_target_property(jar ${target} JAR_FILE)
    if(NOT jar)
      message(FATAL_ERROR "${target} is neither a program nor a jar")
    endif()
    install(FILES ${jar} DESTINATION ${ondrik_program_dir})
    get_filename_component(file_name ${jar} NAME)
  endif()
  if(NOT target STREQUAL "ondrik")
    add_dependencies(ondrik ${target})
  endif()
  if(ARG_ON_PATH)
    file(RELATIVE_PATH to_program /${CMAKE_INSTALL_BINDIR} /${ondrik_program_dir})
    install(CODE "
      set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${file_name}\")
      message(STATUS \"Installing: \${link}\")
      file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
      file(CREATE_LINK \"${to_program}/${file_name}\" \"\${link}\" SYMBOLIC)")
  endif()
endfunction()
