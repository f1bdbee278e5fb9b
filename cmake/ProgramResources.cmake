# Version information and an application manifest for one Windows program, from the
# project's one version number: a resource script of its own beside the program's.
function(vorla_program_resources target description)
  set(VORLA_PROGRAM ${target})
  set(VORLA_DESCRIPTION "${description}")
  set(VORLA_MANIFEST "${CMAKE_CURRENT_BINARY_DIR}/${target}.manifest")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/Program.manifest.in ${VORLA_MANIFEST} @ONLY)
  configure_file(${PROJECT_SOURCE_DIR}/cmake/Version.rc.in ${CMAKE_CURRENT_BINARY_DIR}/${target}Version.rc @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${target}Version.rc)
  set_source_files_properties(${CMAKE_CURRENT_BINARY_DIR}/${target}Version.rc PROPERTIES OBJECT_DEPENDS ${VORLA_MANIFEST})
endfunction()
