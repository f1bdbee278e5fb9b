# The shape every program of Vorla shares: its pure decisions as a library, built for the
# host (where the unit tests link it) and for Windows; and for Windows the program itself,
# built from that library, its acting code in win32/ and the library's acting code.

# The library of the program whose folder calls this: every .cpp at the top of that folder,
# on the pure library dependency.
function(vorla_program_library library dependency)
  vorla_sources(sources *.cpp)
  add_library(${library} STATIC ${sources})
  target_include_directories(${library} PUBLIC .)
  target_link_libraries(${library} PUBLIC ${dependency})
  target_compile_options(${library} PRIVATE ${VORLA_PRODUCT_FLAGS})
endfunction()

# The Windows program target from library and the folder's win32/*.cpp: the programs' own
# run-time linked in, stripped, with version information and manifest (description is its
# file description), into the one folder all programs share, as each expects the others
# beside it. ARGN are further add_executable() arguments: WIN32 for a program without a
# console, its resource script.
function(vorla_windows_program target library description)
  vorla_sources(acting win32/*.cpp)
  add_executable(${target} ${ARGN} ${acting})
  target_link_libraries(${target} PRIVATE ${library} vorla_lib_win32 vorla_runtime)
  target_compile_options(${target} PRIVATE ${VORLA_PRODUCT_FLAGS})
  target_link_options(${target} PRIVATE -s)
  vorla_program_resources(${target} "${description}")
  set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

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
